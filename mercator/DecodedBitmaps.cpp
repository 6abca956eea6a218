// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/DecodedBitmaps.h"

#include "mercator/BmpReader.h"

#include <QDateTime>
#include <QFileInfo>

#include <deque>
#include <mutex>

namespace {

constexpr std::size_t kept = 2;  // the world map and one regional map

struct Entry {
    QString path;
    qint64 bytes, changed;  // file size; ms since the epoch
    QImage bitmap;
};

std::mutex guard;
std::deque<Entry> entries;  // the newest first

}  // namespace

QImage DecodedBitmaps::read(const QString& path)
{
    const QFileInfo info(path);
    const qint64 bytes = info.size(), changed = info.lastModified().toMSecsSinceEpoch();
    {
        const std::lock_guard<std::mutex> lock(guard);
        for (const Entry& entry : entries)
            if (entry.path == path && entry.bytes == bytes && entry.changed == changed)
                return entry.bitmap;
    }
    QImage bitmap = BmpReader::read(path);
    if (bitmap.isNull())
        return bitmap;
    const std::lock_guard<std::mutex> lock(guard);
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        if (entry->path == path) {
            entries.erase(entry);
            break;
        }
    entries.push_front({path, bytes, changed, bitmap});
    if (entries.size() > kept)
        entries.pop_back();
    return bitmap;
}
