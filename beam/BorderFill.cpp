// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BorderFill.h"

#include <algorithm>
#include <vector>

void BorderFill::fill(QImage& image, QPoint seed, QRgb border, QRgb colour)
{
    const auto sameRgb = [](QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); };
    if (!image.valid(seed) || sameRgb(image.pixel(seed), border))
        return;
    const int width = image.width(), height = image.height();
    // Reached pixels, so that a fill colour already present does not stop or repeat the fill.
    std::vector<unsigned char> reached(std::size_t(width) * std::size_t(height), 0);
    const auto open = [&](int x, int y) {
        return !reached[std::size_t(y) * std::size_t(width) + std::size_t(x)]
               && !sameRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x], border);
    };
    // Scanline fill: each popped seed fills its whole run left and right, then seeds the runs
    // above and below it.
    std::vector<QPoint> seeds{seed};
    while (!seeds.empty()) {
        const QPoint p = seeds.back();
        seeds.pop_back();
        const int y = p.y();
        if (!open(p.x(), y))
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && open(left - 1, y))
            --left;
        while (right < width - 1 && open(right + 1, y))
            ++right;
        QRgb* const line = reinterpret_cast<QRgb*>(image.scanLine(y));
        unsigned char* const reachedLine = &reached[std::size_t(y) * std::size_t(width)];
        std::fill(line + left, line + right + 1, colour);
        std::fill(reachedLine + left, reachedLine + right + 1, 1);
        for (const int next : {y - 1, y + 1}) {
            if (next < 0 || next >= height)
                continue;
            const QRgb* const neighbour = reinterpret_cast<const QRgb*>(image.constScanLine(next));
            const unsigned char* const reachedNeighbour = &reached[std::size_t(next) * std::size_t(width)];
            // One seed per run of open pixels in the neighbouring row, at the run's first pixel
            // within left .. right.
            bool previousOpen = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = !reachedNeighbour[x] && !sameRgb(neighbour[x], border);
                if (isOpen && !previousOpen)
                    seeds.emplace_back(x, next);
                previousOpen = isOpen;
            }
        }
    }
}
