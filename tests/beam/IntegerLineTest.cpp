// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/IntegerLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);

TEST(IntegerLineTest, SetsEveryPixelUpToTheEndPointInEveryOctant)
{
    const struct {
        QPoint from, to;
        std::vector<QPoint> pixels;  // row by row, left to right
    } cases[] = {
        {{1, 1}, {1, 1}, {}},
        {{0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}}},
        {{3, 0}, {0, 0}, {{1, 0}, {2, 0}, {3, 0}}},
        {{2, 3}, {2, 0}, {{2, 1}, {2, 2}, {2, 3}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
        // Shallow and steep: one pixel per column (row), the midpoint deciding the other axis.
        {{0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {{0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {{5, 4}, {0, 2}, {{1, 2}, {2, 3}, {3, 3}, {4, 4}, {5, 4}}},
        // Outside the image nothing is set, inside the rest of the line is.
        {{-2, 1}, {3, 1}, {{0, 1}, {1, 1}, {2, 1}}},
    };
    for (const auto& c : cases) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(white);
        IntegerLine::draw(image, c.from, c.to, black);
        std::vector<QPoint> drawn;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == black)
                    drawn.emplace_back(x, y);
        EXPECT_EQ(drawn, c.pixels) << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y();
    }
}

}  // namespace
