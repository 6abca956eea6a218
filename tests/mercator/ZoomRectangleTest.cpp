// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/ZoomRectangle.h"

#include <gtest/gtest.h>

namespace {

// The whole world on a 1200 x 600 bitmap, shown whole in a 600 x 300 image.
const MapView world {90, -90, 180, -180};
const QSize bitmap(1200, 600), image(600, 300);

TEST(ZoomRectangle, RectangleAndView)
{
    const MapView zoomed {60, 15, -30, -120};
    const struct {
        int startX, startY, endX;
        QRect rectangle;
        MapView current;
        bool accepted;
        long double top, bottom, left, right;  // degrees, when accepted
    } cases[] = {
        // Height from the bitmap's aspect: 600 * 150 / 1200 = 75 pixels.
        {100, 50, 250, QRect(100, 50, 150, 75), world, true, 60, 15, -120, -30},
        // Right to left: the same rectangle, its top where the button went down.
        {250, 50, 100, QRect(100, 50, 150, 75), world, true, 60, 15, -120, -30},
        // Reaching below the map's bottom: moved north, same size.
        {100, 280, 250, QRect(100, 280, 150, 75), world, true, -45, -90, -120, -30},
        // 47 pixels are 28.2 degrees, less than 8 % of 360; 48 pixels are exactly 28.8.
        {100, 50, 147, QRect(100, 50, 47, 24), world, false, 0, 0, 0, 0},
        {100, 50, 148, QRect(100, 50, 48, 24), world, true, 60, 45.6L, -120, -91.2L},
        // Halves round to even: 600 * 45 / 1200 = 22.5 -> 22.
        {0, 0, 45, QRect(0, 0, 45, 22), world, false, 0, 0, 0, 0},
        // The left half of the image over the view zoomed to 120 W .. 30 W, 60 N .. 15 N.
        {0, 0, 300, QRect(0, 0, 300, 150), zoomed, true, 60, 37.5, -120, -75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.startX << "," << c.startY << " to " << c.endX);
        const QRect rectangle = ZoomRectangle::rectangle(c.startX, c.startY, c.endX, bitmap);
        EXPECT_EQ(rectangle, c.rectangle);
        const std::optional<MapView> view = ZoomRectangle::zoomedView(rectangle, c.current, image, world);
        ASSERT_EQ(view.has_value(), c.accepted);
        if (view) {
            EXPECT_NEAR(double(view->top), double(c.top), 1e-12);
            EXPECT_NEAR(double(view->bottom), double(c.bottom), 1e-12);
            EXPECT_NEAR(double(view->left), double(c.left), 1e-12);
            EXPECT_NEAR(double(view->right), double(c.right), 1e-12);
        }
    }
}

}  // namespace
