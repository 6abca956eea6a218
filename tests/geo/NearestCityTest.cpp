#include "geo/GreatCircle.h"
#include "geo/NearestCity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::vector<CityRecord> cities = {
    {"Dortmund", 51.51, 7.47},  {"Paris", 48.86, 2.35},  {"Ost", 0, 10},
    {"West", 0, -10},           {"Nord", 10, 0},         {"Paris doppelt", 48.86, 2.35},
};

TEST(FindNearestCity, NearestWinsAndEarlierEntryWinsTies)
{
    const struct {
        double latitude, longitude;
        int lastIndex, index;
    } cases[] = {
        {51.5, 7.0, 0, 0},
        {48.85, 2.35, 0, 1},   // Paris before its duplicate
        {48.85, 2.35, 5, 1},   // the last index found does not decide
        {0, 0, 0, 2},          // Ost, West and Nord all 10 degrees away
        {0.001, -9.0, 0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.latitude << " " << c.longitude);
        const auto found = findNearestCity(cities, c.latitude, c.longitude, c.lastIndex);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->index, c.index);
        EXPECT_DOUBLE_EQ(found->distanceKm,
                         double(greatCircleDistance(c.latitude, c.longitude, cities[found->index].latitude,
                                                    cities[found->index].longitude)));
    }
}

TEST(FindNearestCity, EmptyTableGivesNoCity)
{
    for (int lastIndex : {0, 3}) {
        EXPECT_FALSE(findNearestCity({}, 51.5, 7.0, lastIndex).has_value());
    }
}

TEST(FindNearestCity, KeepsLastIndexWhenNoDistanceCompares)
{
    const auto found = findNearestCity(cities, std::nan(""), 7.0, 4);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->index, 4);
    EXPECT_FALSE(findNearestCity(cities, std::nan(""), 7.0, 6).has_value());
}

} // namespace
