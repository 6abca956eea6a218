// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>

// A whole-world map of 360 x 180 pixels, 1 degree each, every pixel in its own colour, so that a
// sampled colour names the map pixel it came from.
inline QImage numberedWorld()
{
    QImage map(360, 180, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            map.setPixel(x, y, qRgb(x % 256, y, x / 256 * 100));
    return map;
}
