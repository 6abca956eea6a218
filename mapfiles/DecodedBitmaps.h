// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>
#include <QString>

#include <deque>
#include <future>
#include <mutex>
#include <vector>

// The map bitmaps decoded last, so that the windows showing the same map (the Mercator window
// and the beam map's generator, both on the world map) decode it once per run. A bitmap is taken
// from here while its file keeps its size and time of change; the images are shared, not copied.
// Threads may read at once: a file being decoded on one is waited for on the others, not decoded
// twice. The program holds one and hands it to the windows that read maps.
class DecodedBitmaps {
public:
    // The bitmap of the BMP file at path in RGB32; a null image when it cannot be read.
    QImage read(const QString& path);

private:
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

    std::mutex guard_;
    std::deque<Entry> entries_;       // the newest first
    std::vector<Decoding> decoding_;  // bitmaps being decoded on some thread now
};
