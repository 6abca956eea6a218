// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>
#include <QString>

// The map bitmaps decoded last, so that the windows showing the same map (the Mercator window
// and the beam map's generator, both on the world map) decode it once per run. A bitmap is taken
// from here while its file keeps its size and time of change; the images are shared, not copied.
// Threads may read at once: a file being decoded on one is waited for on the others, not decoded
// twice.
class DecodedBitmaps {
public:
    // The bitmap of the BMP file at path in RGB32; a null image when it cannot be read.
    static QImage read(const QString& path);
};
