// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replaces a whole file of ours (settings, directions list, cached picture) through a temporary
// file renamed over it at the end, so that the old file stays whole unless every byte of the new
// one reached the disk.
class FileReplacement {
public:
    // Writes bytes as the new content of path. `what` names the file for the user with a "%1"
    // for the path ("Die Datei %1"). Throws AppError when the file is read-only, and when the
    // temporary file cannot be created, written in full, flushed or renamed; the old file is then
    // kept.
    static void write(const QString& path, const QByteArray& bytes, const QString& what);

    // What a producer made of the temporary file it was given.
    enum class Produced { whole, abandoned, failed };
    // As above, but the new content is written by produce, which checks each write's count, into
    // the temporary file. A content abandoned by its producer leaves the old file as it is and
    // gives false; a failed one throws AppError as a failed write does. True when the file was
    // replaced.
    static bool write(const QString& path, const std::function<Produced(QIODevice& file)>& produce, const QString& what);

    // The owner's write bit is the file's read-only mark: it is honoured even where the user's
    // rights (root) would allow the write. A missing file is writable.
    static bool isReadOnly(const QString& path);

    // Removes the temporary copies a write leaves behind when the program is killed between
    // writing and renaming: ".<name>.corvane-neu-XXXXXX" beside path, six letters or digits,
    // plain files only. Nothing without that mark is touched. Gives how many were removed.
    static int removeLeftovers(const QString& path);

    // The start of a temporary copy's name for path: ".<name>.corvane-neu-".
    static QString temporaryPrefix(const QString& path);
};
