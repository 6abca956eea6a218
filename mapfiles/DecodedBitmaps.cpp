// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/DecodedBitmaps.h"

#include "mapfiles/BmpReader.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr std::size_t kept = 2;  // the world map and one regional map

}  // namespace

QImage DecodedBitmaps::read(const QString& path)
{
    const QFileInfo info(path);
    const Version file {path, info.size(), info.lastModified().toMSecsSinceEpoch()};
    std::shared_future<QImage> running;
    std::promise<QImage> mine;
    {
        const std::lock_guard<std::mutex> lock(guard_);
        for (const Entry& entry : entries_)
            if (entry.file == file)
                return entry.bitmap;
        for (const Decoding& other : decoding_)
            if (other.file == file)
                running = other.bitmap;
        if (!running.valid())
            decoding_.push_back({file, mine.get_future().share()});
    }
    // Another thread decodes this file already: its result is waited for.
    if (running.valid())
        return running.get();
    QImage bitmap = BmpReader::read(path);
    mine.set_value(bitmap);
    const std::lock_guard<std::mutex> lock(guard_);
    decoding_.erase(std::find_if(decoding_.begin(), decoding_.end(), [&](const Decoding& d) { return d.file == file; }));
    if (bitmap.isNull())
        return bitmap;
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry)
        if (entry->file.path == path) {
            entries_.erase(entry);
            break;
        }
    entries_.push_front({file, bitmap});
    if (entries_.size() > kept)
        entries_.pop_back();
    return bitmap;
}
