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

// A framed window moves only when its title bar is off the screens there are now, and then as
// little as needed onto the screen it stands on most, or the nearest one.
TEST(WindowGeometryTest, TheTitleBarStaysOnAScreenThatExists)
{
    // A wide screen below a 30-pixel panel, and a lower one on its right.
    const QRect left(0, 30, 1920, 1050), right(1920, 0, 1280, 1024);
    const struct {
        const char* name;
        QRect frame;
        QList<QRect> screens;
        QPoint shift;
    } cases[] = {
        {"whole on the screen", {100, 100, 602, 377}, {left}, {0, 0}},
        {"client area at the panel's edge", {-1, 10, 602, 377}, {left}, {1, 20}},
        {"client area at the screen's corner", {-1, -20, 602, 377}, {left, right}, {1, 50}},
        {"across both screens", {1800, 100, 400, 300}, {left, right}, {0, 0}},
        {"in the gap below the lower screen", {2000, 1030, 300, 200}, {left, right}, {0, -206}},
        {"far off every screen", {9000, 5000, 300, 200}, {left, right}, {2900 - 9000, 824 - 5000}},
        {"taller than the screen: the title bar first", {100, -50, 400, 2000}, {left}, {0, 80}},
        {"no screen known", {-500, -500, 300, 200}, {}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WindowGeometry::titleBarShift(c.frame, 20, c.screens), c.shift);
    }
}

} // namespace
