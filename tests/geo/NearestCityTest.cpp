// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/NearestCity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FindNearestCity, StrictlyNearerWinsSoEarlierEntryWinsTies)
{
    const std::vector<CityRecord> cities = {{"Dortmund", 51.51, 7.47}, {"Paris", 48.86, 2.35}, {"Ost", 0, 10},
                                            {"West", 0, -10}, {"Nord", 10, 0}, {"Paris 2", 48.86, 2.35}};
    const struct { double latitude, longitude; int lastIndex, index; double km; } cases[] = {
        {51.5, 7.0, 0, 0, 32.6}, {48.85, 2.35, 5, 1, 1.1}, {0, 0, 4, 2, 1113.2}, {0.001, -9.0, 0, 3, 111.3},
    };
    for (const auto& c : cases) {
        const auto found = findNearestCity(cities, c.latitude, c.longitude, c.lastIndex);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->index, c.index);
        EXPECT_NEAR(found->distanceKm, c.km, 0.05);
    }
    EXPECT_FALSE(findNearestCity(cities, std::nan(""), 7.0, 6).has_value());
}

// A position that is not finite has no nearest city, wherever the search starts; nor has any
// position in an empty table.
TEST(FindNearestCity, NoCityForAPositionThatIsNotFiniteOrInAnEmptyTable)
{
    const std::vector<CityRecord> cities = {{QStringLiteral("Essen"), 51.45, 7.01}, {QStringLiteral("Berlin"), 52.52, 13.40}};
    for (const double value : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_FALSE(findNearestCity(cities, value, 7.0, 0).has_value()) << value;
        EXPECT_FALSE(findNearestCity(cities, 51.5, value, 1).has_value()) << value;
    }
    for (const int lastIndex : {0, 3})
        EXPECT_FALSE(findNearestCity({}, 51.5, 7.0, lastIndex).has_value()) << lastIndex;
}

} // namespace
