// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/LocatorGrid.h"

#include <gtest/gtest.h>

namespace {

const MapView world{90, -90, 180, -180};

TEST(LocatorGrid, FieldsOnTheWholeWorldLeaveOutTheEdges)
{
    std::vector<double> meridians, parallels;
    for (int lon = -160; lon <= 160; lon += 20)
        meridians.push_back(lon);
    for (int lat = -80; lat <= 80; lat += 10)
        parallels.push_back(lat);
    EXPECT_EQ(LocatorGrid::meridians(world, LocatorGrid::fields), meridians);
    EXPECT_EQ(LocatorGrid::parallels(world, LocatorGrid::fields), parallels);
}

struct GridCase {
    MapView view;
    int level;
    std::size_t meridians, parallels;
};

class LocatorGridCounts : public testing::TestWithParam<GridCase> {};

TEST_P(LocatorGridCounts, LinesStrictlyInsideTheView)
{
    const GridCase& c = GetParam();
    EXPECT_EQ(LocatorGrid::meridians(c.view, c.level).size(), c.meridians);
    EXPECT_EQ(LocatorGrid::parallels(c.view, c.level).size(), c.parallels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocatorGridCounts,
    testing::Values(GridCase{world, LocatorGrid::none, 0, 0},
                    // -178..178 and -80..85.
                    GridCase{world, LocatorGrid::squares, 179, 166},
                    // A view whose edges fall on square lines: 2..18 E and 41..49 N.
                    GridCase{MapView{50, 40, 20, 0}, LocatorGrid::squares, 9, 9},
                    // Subsquares inside one square, edges off the lines: 23 meridians and 23 parallels.
                    GridCase{MapView{50.99L, 50.01L, 7.99L, 6.01L}, LocatorGrid::subsquares, 23, 23},
                    // North of 85 there are no parallels.
                    GridCase{MapView{90, 86, 20, 0}, LocatorGrid::fields, 0, 0}));

} // namespace
