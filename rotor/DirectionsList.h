// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotor/FileStamp.h"

#include <QString>
#include <QStringList>

// The directions list's records: the lines of Data.txt, sorted, each shown in the list by its
// identifier. The list remembers the file as it was at the last load, so that an unchanged file
// is not read again, and whether that load failed, so that a list that could not be read is
// never replaced by what happens to be held.
class DirectionsList {
public:
    enum class Loaded {
        read,     // the file's lines, sorted, are the list now
        missing,  // no file: the lines held stay, so a save writes them to the new place
        failed    // the file could not be read: the lines held stay, and saving is blocked
    };
    // Reads the list from the file at path. Never throws; a failure is kept as loadError().
    Loaded load(const QString& path);
    // The file at path is not the one last loaded (path, time or size), or that load failed.
    bool changedSince(const QString& path) const;
    // Why the last load failed; empty when it did not.
    const QString& loadError() const { return loadError_; }

    const QStringList& lines() const { return lines_; }
    int size() const { return int(lines_.size()); }
    bool contains(int row) const { return row >= 0 && row < size(); }
    QString identifier(int row) const;
    // The identifiers in list order, as the window shows them.
    QStringList identifiers() const;

    // The lines with a record saved: it replaces the line of row, or, when row is none of the
    // list's, goes in at its place in the order.
    QStringList withRecord(int row, const QString& line) const;
    QStringList withoutRecord(int row) const;
    // Writes the lines to the file at path (see DirectionsFile::write); throws AppError, writing
    // nothing, while the last load failed. The caller loads the list again afterwards.
    void store(const QString& path, const QStringList& lines) const;

private:
    QStringList lines_;
    FileStamp loaded_;  // the file as it was at the last load
    QString loadError_;
};
