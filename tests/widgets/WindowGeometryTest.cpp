// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Bounds from the settings file, the extremes of int among them, always end whole inside the
// available area, moved and cut no more than needed.
TEST(WindowGeometryTest, AnyBoundsEndWholeInsideTheAvailableArea)
{
    const QRect area(0, 30, 1920, 1050);  // below a 30-pixel panel
    const struct {
        int left, top, width, height;
        QRect expected;
    } cases[] = {
        {36, 136, 600, 352, {36, 136, 600, 352}},                          // fits: unchanged
        {0, 30, 1920, 1050, {0, 30, 1920, 1050}},                          // exactly the area
        {1500, 900, 600, 352, {1320, 728, 600, 352}},                      // over the far edges
        {-200, 0, 600, 352, {0, 30, 600, 352}},                            // over the near edges
        {100, 100, 5000, 4000, {0, 30, 1920, 1050}},                       // larger than the area
        {100, 100, 0, -5, {100, 100, 1, 1}},                               // no size
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, {0, 30, 1920, 1050}},
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN, {0, 30, 1, 1}},
        {INT_MAX, INT_MIN, 600, 352, {1320, 30, 600, 352}},
        {INT_MIN, INT_MAX, 600, 352, {0, 728, 600, 352}},
    };
    for (const auto& c : cases) {
        const QRect result = WindowGeometry::clamped(c.left, c.top, c.width, c.height, area);
        EXPECT_EQ(result, c.expected) << c.left << ' ' << c.top << ' ' << c.width << ' ' << c.height;
        EXPECT_TRUE(area.contains(result)) << c.left << ' ' << c.top;
    }
    // A second screen left of the first: negative coordinates are a place like any other.
    EXPECT_EQ(WindowGeometry::clamped(-1500, 10, 400, 300, QRect(-1920, 0, 3840, 1080)), QRect(-1500, 10, 400, 300));
}

} // namespace
