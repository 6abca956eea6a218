// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamBitmapGenerator.h"
#include "beam/BeamView.h"
#include "beam/IntegerLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);

std::vector<QPoint> blackPixels(const QImage& image)
{
    std::vector<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == black)
                found.emplace_back(x, y);
    return found;
}

struct Case {
    QPoint from, to;
    std::vector<QPoint> pixels;  // row by row, left to right
};

TEST(IntegerLineTest, SetsEveryPixelUpToTheEndPointInEveryOctant)
{
    const Case cases[] = {
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
    for (const Case& c : cases) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(white);
        IntegerLine::draw(image, c.from, c.to, black);
        EXPECT_EQ(blackPixels(image), c.pixels) << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y();
    }
}

// The rim of a full-size picture: closed against the four-way flood fill, every pixel within a
// pixel of the circle, and the points of every degree on it.
TEST(IntegerLineTest, RimOfTheFullPictureIsClosedAndOnTheCircle)
{
    constexpr int side = 2500, centre = side / 2;  // pixels
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(white);
    BeamBitmapGenerator::finish(picture, qRgb(240, 240, 240));
    EXPECT_EQ(picture.pixel(centre, centre), white);
    EXPECT_EQ(picture.pixel(centre, 2), white);
    for (const QPoint& p : blackPixels(picture))
        EXPECT_LE(std::fabs(std::hypot(p.x() - centre, p.y() - centre) - centre), 1.0) << p.x() << "," << p.y();
    // The points on the right and bottom edge lie one pixel beyond the picture.
    for (int degrees = 0; degrees < 360; ++degrees) {
        const QPoint point = BeamView::polar(centre, degrees, centre);
        if (picture.valid(point)) {
            EXPECT_EQ(picture.pixel(point), black) << degrees;
        }
    }
}

} // namespace
