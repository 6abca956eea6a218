// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/LocatorGrid.h"

#include <gtest/gtest.h>

namespace {

const MapView world{90, -90, 180, -180};

// The lines strictly inside the view.
TEST(LocatorGrid, LinesStrictlyInsideTheView)
{
    const struct {
        MapView view;
        int level;
        std::size_t meridians, parallels;
    } cases[] = {
        {world, LocatorGrid::none, 0, 0},
        {world, LocatorGrid::squares, 179, 166},  // -178..178 and -80..85
        {MapView{50, 40, 20, 0}, LocatorGrid::squares, 9, 9},  // edges on square lines: 2..18 E, 41..49 N
        // Subsquares inside one square, edges off the lines: 23 meridians and 23 parallels.
        {MapView{50.99L, 50.01L, 7.99L, 6.01L}, LocatorGrid::subsquares, 23, 23},
        {MapView{90, 86, 20, 0}, LocatorGrid::fields, 0, 0},  // north of 85 there are no parallels
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocatorGrid::meridians(c.view, c.level).size(), c.meridians) << c.level;
        EXPECT_EQ(LocatorGrid::parallels(c.view, c.level).size(), c.parallels) << c.level;
    }
}

} // namespace
