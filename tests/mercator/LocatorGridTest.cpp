// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/LocatorGrid.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const MapView world {90, -90, 180, -180};

TEST(LocatorGrid, LinesStrictlyInsideTheView)
{
    const std::tuple<MapView, int, std::size_t, std::size_t> cases[] = {
        {world, LocatorGrid::none, 0, 0},
        {world, LocatorGrid::squares, 179, 166},                // -178..178 and -80..85
        {MapView {50, 40, 20, 0}, LocatorGrid::squares, 9, 9},  // edges on square lines: 2..18 E, 41..49 N
        // Subsquares inside one square, edges off the lines: 23 meridians and 23 parallels.
        {MapView {50.99L, 50.01L, 7.99L, 6.01L}, LocatorGrid::subsquares, 23, 23},
        {MapView {90, 86, 20, 0}, LocatorGrid::fields, 0, 0},  // north of 85 there are no parallels
    };
    for (const auto& [view, level, meridians, parallels] : cases) {
        EXPECT_EQ(LocatorGrid::meridians(view, level).size(), meridians) << level;
        EXPECT_EQ(LocatorGrid::parallels(view, level).size(), parallels) << level;
    }
}

}  // namespace
