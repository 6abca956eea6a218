// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/MapTransforms.h"

#include <gtest/gtest.h>

namespace {

TEST(MapTransforms, HalfPixelsRoundToEven)
{
    const MapView view{32, 0, 64, 0};  // top, bottom, right, left: 2 pixels per degree at 128 x 64
    const struct { long double degrees; int pixel; } cases[] = {
        {0, 0}, {0.25L, 0}, {0.75L, 2}, {1.25L, 2}, {1.75L, 4}, {-0.25L, 0}, {-0.75L, -2}, {64, 128}, {70, 140},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lonToViewX(view, 128, c.degrees), c.pixel) << double(c.degrees);
        EXPECT_EQ(latToViewY(view, 64, 32 - c.degrees), c.pixel) << double(c.degrees);
        EXPECT_EQ(lonToMapBitmapX(view, 256, c.degrees / 2), c.pixel) << double(c.degrees);
        EXPECT_EQ(latToMapBitmapY(view, 128, 32 - c.degrees / 2), c.pixel) << double(c.degrees);
    }
}

TEST(MapTransforms, PixelToDegreesAndBackOnZoomedView)
{
    const MapView zoomed{55.3L, 47.1L, 15.2L, 5.8L};
    EXPECT_EQ(viewXToLon(zoomed, 713, 0), 5.8L);
    EXPECT_EQ(viewYToLat(zoomed, 517, 0), 55.3L);
    EXPECT_NEAR(double(viewXToLon(zoomed, 713, 713)), 15.2, 1e-15);
    EXPECT_NEAR(double(viewYToLat(zoomed, 517, 517)), 47.1, 1e-15);
    for (int p = 0; p <= 713; ++p) {
        ASSERT_EQ(lonToViewX(zoomed, 713, viewXToLon(zoomed, 713, p)), p);
        ASSERT_EQ(latToViewY(zoomed, 517, viewYToLat(zoomed, 517, p)), p);
    }
}

} // namespace
