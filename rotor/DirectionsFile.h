// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The file Data.txt of the directions list: lines in the Windows-1252 code page, each written
// with CR LF; CR LF, CR or LF end a line on reading.
class DirectionsFile {
public:
    static const QString fileName;  // "Data.txt"

    // The list of the rotor program in that folder: beside it, or in the user's own folder when that
    // program is installed and its folder is not the user's to write.
    static QString besideRotorProgram(const QString& rotorProgramFolder);

    // The file's lines; nothing when there is no file. Throws AppError when the file exists but
    // cannot be read, so that an unreadable list is never taken for an empty one.
    static std::optional<QStringList> read(const QString& path);

    // Replaces the file by the lines through a temporary file renamed at the end, so a failed
    // write leaves the old file whole. Throws AppError when the file cannot be written or a line
    // holds a character the code page lacks (it would be stored as "?").
    static void write(const QString& path, const QStringList& lines);
};
