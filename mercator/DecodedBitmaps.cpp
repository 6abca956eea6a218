// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/DecodedBitmaps.h"

#include "mercator/BmpReader.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <deque>
#include <future>
#include <mutex>
#include <vector>

namespace {

constexpr std::size_t kept = 2;  // the world map and one regional map

// A file as it was when its decoding began.
struct Version {
    QString path;
    qint64 bytes, changed;  // file size; ms since the epoch

    bool operator==(const Version& other) const
    {
        return path == other.path && bytes == other.bytes && changed == other.changed;
    }
};

struct Entry {
    Version file;
    QImage bitmap;
};

struct Decoding {
    Version file;
    std::shared_future<QImage> bitmap;
};

std::mutex guard;
std::deque<Entry> entries;       // the newest first
std::vector<Decoding> decoding;  // bitmaps being decoded on some thread now

}  // namespace

QImage DecodedBitmaps::read(const QString& path)
{
    const QFileInfo info(path);
    const Version file {path, info.size(), info.lastModified().toMSecsSinceEpoch()};
    std::shared_future<QImage> running;
    std::promise<QImage> mine;
    {
        const std::lock_guard<std::mutex> lock(guard);
        for (const Entry& entry : entries)
            if (entry.file == file)
                return entry.bitmap;
        for (const Decoding& other : decoding)
            if (other.file == file)
                running = other.bitmap;
        if (!running.valid())
            decoding.push_back({file, mine.get_future().share()});
    }
    // Another thread (the start's read-ahead) decodes this file already: its result is waited for.
    if (running.valid())
        return running.get();
    QImage bitmap = BmpReader::read(path);
    mine.set_value(bitmap);
    const std::lock_guard<std::mutex> lock(guard);
    decoding.erase(std::find_if(decoding.begin(), decoding.end(), [&](const Decoding& d) { return d.file == file; }));
    if (bitmap.isNull())
        return bitmap;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        if (entry->file.path == path) {
            entries.erase(entry);
            break;
        }
    entries.push_front({file, bitmap});
    if (entries.size() > kept)
        entries.pop_back();
    return bitmap;
}
