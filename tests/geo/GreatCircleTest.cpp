#include "geo/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

TEST(GeoConstants, HoldExtendedPrecisionValues)
{
    EXPECT_NEAR(static_cast<double>(degToRad), 0.0174532925199432958, 1e-19);
    EXPECT_EQ(earthRadiusKm, 6378.145L);
    EXPECT_GT(sizeof(degToRad), sizeof(double));  // x86-64: 80-bit extended
}

TEST(ArcCosClamped, ClampsBeyondOneAndMatchesArccosInside)
{
    const struct {
        double x, angle;
    } cases[] = {
        {1.0, 0.0},        {1.0 + 1e-15, 0.0}, {2.0, 0.0},       {-1.0, pi},          {-1.0 - 1e-15, pi},
        {0.0, pi / 2},     {0.5, pi / 3},      {-0.5, 2 * pi / 3}, {1.0 - 1e-12, std::acos(1.0 - 1e-12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(arcCosClamped(c.x), c.angle, 1e-15);
    }
}

TEST(GreatCircleDistance, KnownDistancesInKm)
{
    const struct {
        long double lat1, lon1, lat2, lon2, km, tolerance;
    } cases[] = {
        {51.5, 7, 51.5, 7, 0, 0},
        {-33.87, 151.21, -33.87, 151.21, 0, 0},
        {0, 0, 0, 90, 10018.77, 0.005},
        {0, 0, 90, 0, 10018.77, 0.005},
        {0, 0, 0, 180, 6378.145 * pi, 1e-9},
        {51.5, 7, 48.85, 2.35, 443.6, 0.05},
        {51.5, 7, 1000, 2.35, 0, 0},   // no target
        {51.5, 7, 48.85, 1000, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << double(c.lat2) << " " << double(c.lon2));
        EXPECT_NEAR(double(greatCircleDistance(c.lat1, c.lon1, c.lat2, c.lon2)), double(c.km), double(c.tolerance));
    }
}

TEST(GreatCircleDistance, NoTargetMarkerCountsOnlyForPointTwo)
{
    EXPECT_GT(greatCircleDistance(1000, 7, 48.85, 2.35), 0);
    EXPECT_EQ(greatCircleDistance(51.5, 7, 48.85, 2.35), greatCircleDistance(48.85, 2.35, 51.5, 7));
}

TEST(GreatCircleBearing, CardinalDirectionsAndDegenerateCases)
{
    const struct {
        double lat1, lon1, lat2, lon2, bearing, tolerance;
    } cases[] = {
        {0, 0, 0, 90, 90, 1e-12},
        {0, 0, 0, -90, 270, 1e-12},
        {51.5, 7, 48.85, 2.35, 230.1, 0.05},
        {51.5, 7, 51.5, 7, 0, 0},    // same point
        {-33.87, 151.21, -33.87, 151.21, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lat2 << " " << c.lon2);
        EXPECT_NEAR(greatCircleBearing(c.lat1, c.lon1, c.lat2, c.lon2), c.bearing, c.tolerance);
    }
}

// Due north takes the "west" branch, 360 - A with A a rounding error from 0, so it shows as 360,
// never as 0; due south shows as 180.
TEST(GreatCircleBearing, AlongTheMeridianRoundsTo360Or180)
{
    const struct {
        double lat1, lon1, lat2;
        double rounded;
    } cases[] = {
        {50, 7, 60, 360}, {50, 7, 40, 180}, {-30, -70, 10, 360}, {10, 120, -80, 180}, {0, 0, 89, 360},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lat1 << " -> " << c.lat2);
        const double bearing = greatCircleBearing(c.lat1, c.lon1, c.lat2, c.lon1);
        EXPECT_EQ(std::nearbyint(bearing), c.rounded);
        EXPECT_NEAR(bearing, c.rounded, 1e-5);
        EXPECT_LE(bearing, 360.0);
    }
}

TEST(GreatCircleBearing, EastInFirstHalfWestInSecond)
{
    const struct {
        double lat2, lon2;
        bool east;
    } cases[] = {
        {60, 8, true}, {40, 8, true}, {50, 100, true}, {-80, 10, true},
        {60, 6, false}, {40, 6, false}, {50, -100, false}, {-80, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lat2 << " " << c.lon2);
        const double bearing = greatCircleBearing(50, 7, c.lat2, c.lon2);
        if (c.east) {
            EXPECT_GT(bearing, 0);
            EXPECT_LT(bearing, 180);
        } else {
            EXPECT_GE(bearing, 180);
            EXPECT_LE(bearing, 360);
        }
    }
}

} // namespace
