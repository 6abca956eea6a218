// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDateTime>
#include <QString>

// What tells whether a file changed since it was last read: its path, whether it exists, its
// modification time (ms) and its size (bytes). Cheap to take: one stat of the file.
struct FileStamp {
    QString path;
    bool exists = false;
    QDateTime modified;
    qint64 size = -1;

    static FileStamp of(const QString& path);
    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};
