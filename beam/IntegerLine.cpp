// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/IntegerLine.h"

#include <cstdlib>

void IntegerLine::draw(QImage& image, QPoint from, QPoint to, QRgb colour)
{
    // Bresenham's midpoint rule for all eight octants: err tracks, in integers, on which side of
    // the ideal line the next pixel's midpoint lies.
    const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1, stepY = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    int x = from.x(), y = from.y();
    while (x != to.x() || y != to.y()) {
        if (image.valid(x, y))
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
        const int twice = 2 * err;
        if (twice >= dy) {
            err += dy;
            x += stepX;
        }
        if (twice <= dx) {
            err += dx;
            y += stepY;
        }
    }
}
