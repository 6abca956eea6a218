// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/FileStamp.h"

#include <QFileInfo>

FileStamp FileStamp::of(const QString& path)
{
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.path = path;
    stamp.exists = info.exists();
    if (stamp.exists) {
        stamp.modified = info.lastModified();
        stamp.size = info.size();
    }
    return stamp;
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return path == other.path && exists == other.exists && modified == other.modified && size == other.size;
}
