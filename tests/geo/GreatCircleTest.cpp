// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/GreatCircle.h"
#include "geo/GreatCircleFrom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

TEST(ArcCosClamped, ClampsBeyondOne)
{
    const struct { double x, angle; } cases[] = {
        {1, 0}, {1 + 1e-15, 0}, {2, 0}, {-1, pi}, {-1 - 1e-15, pi}, {0, pi / 2}, {0.5, pi / 3}, {-0.5, 2 * pi / 3},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(arcCosClamped(c.x), c.angle, 1e-15) << c.x;
}

TEST(GreatCircleDistance, KnownDistancesAndNoTargetMarkerOfPointTwo)
{
    EXPECT_NEAR(double(degToRad), 0.0174532925199432958, 1e-19);
    const struct { long double lat1, lon1, lat2, lon2; double km, tolerance; } cases[] = {
        {51.5, 7, 51.5, 7, 0, 0}, {0, 0, 0, 90, 10018.77, 0.005}, {0, 0, 90, 0, 10018.77, 0.005},
        {51.5, 7, 48.85, 2.35, 443.6, 0.05}, {48.85, 2.35, 51.5, 7, 443.6, 0.05},
        {51.5, 7, 1000, 2.35, 0, 0}, {51.5, 7, 48.85, 1000, 0, 0}, {1000, 7, 48.85, 2.35, 14346.6, 0.05},  // 1000 N is 80 S
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(greatCircleDistance(c.lon1, c.lat1, c.lon2, c.lat2)), c.km, c.tolerance) << double(c.lat2);
}

// Due north takes the "west" branch, 360 - A with A a rounding error from 0, so it rounds to 360.
// Where floating point would leave the formula's divisor or sign a rounding error away from the
// truth, the answer is exact (tolerance 0).
TEST(GreatCircleBearing, RangeAboveZeroUpTo360PolesMeridiansAndDegenerateCasesExact)
{
    const struct {
        const char* what;
        double lat1, lon1, lat2, lon2, bearing, tolerance;  // degrees
    } cases[] = {
        {"due north from the south", -30, -70, 10, -70, 360, 1e-5}, {"east", 0, 0, 0, 90, 90, 1e-12},
        {"west", 0, 0, 0, -90, 270, 1e-12}, {"Dortmund to Paris", 51.5, 7, 48.85, 2.35, 230.1, 0.05},
        {"target at the north pole", 51.5, 7, 90, 123.4, 360, 0},
        {"target at the north pole, west of the meridian", 51.5, 7, 90, -173, 360, 0},
        {"target at the south pole", 51.5, 7, -90, 0, 180, 0}, {"due north", 50, 7, 60, 7, 360, 0},
        {"due north across the date line", 10, 180, 20, -180, 360, 0}, {"due south", 50, 7, 40, 7, 180, 0},
        {"the same point", 51.5, 7, 51.5, 7, 0, 0}, {"the same point in Sydney", -33.87, 151.21, -33.87, 151.21, 0, 0},
        {"the same point, other longitude spelling", 0, 180, 0, -180, 0, 0},
        {"the antipode", 51.5, 7, -51.5, -173, 0, 0}, {"the antipode on the equator", 0, 0, 0, 180, 0, 0},
        {"own station at the north pole", 90, 0, 10, 50, 0, 0}, {"own station at the south pole", -90, 0, 10, 50, 0, 0},
    };
    for (const auto& c : cases) {
        const double bearing = greatCircleBearing(c.lon1, c.lat1, c.lon2, c.lat2);
        EXPECT_NEAR(bearing, c.bearing, c.tolerance) << c.what;
        EXPECT_EQ(std::nearbyint(bearing), std::nearbyint(c.bearing)) << c.what;
        EXPECT_LE(bearing, 360.0) << c.what;
    }
}

// Beyond the poles (1000 stands for "no position") nothing is exact: the formula's result stays.
TEST(GreatCircleBearing, LatitudesBeyondThePolesKeepTheFormulasResult)
{
    constexpr double meridian = 7;  // both points on it, degrees east
    const struct { double lat1, lat2, bearing; } cases[] = {{1000, 50, 360}, {50, 1000, 180}, {50, -1000, 360}};
    for (const auto& c : cases) {
        EXPECT_NEAR(greatCircleBearing(meridian, c.lat1, meridian, c.lat2), c.bearing, 1e-4) << c.lat1 << " " << c.lat2;
        EXPECT_NEAR(GreatCircleFrom(meridian, c.lat1).bearingTo(meridian, c.lat2), c.bearing, 1e-4) << c.lat1;
    }
}

// Random targets exactly at the north pole: always 360, never 0.
TEST(GreatCircleBearing, ANorthPoleTargetIsAlways360)
{
    for (int i = 0; i < 2000; ++i) {
        const double lat1 = -89.0 + (i * 37 % 1780) / 10.0;
        const double lon1 = -180.0 + (i * 53 % 3600) / 10.0;
        const double lon2 = -180.0 + (i * 71 % 3600) / 10.0;
        ASSERT_EQ(greatCircleBearing(lon1, lat1, lon2, 90), 360.0) << lat1 << " " << lon1 << " " << lon2;
    }
}

// The shared computation of distance and bearing gives bit for bit the two separate results, for
// random points and for the cases the bearing treats apart.
TEST(GreatCircleFrom, DistanceAndBearingTogetherEqualTheSeparateResults)
{
    std::mt19937_64 random(4711);
    std::uniform_real_distribution<double> latitude(-90, 90), longitude(-180, 180);
    struct Pair { double lat1, lon1, lat2, lon2; };
    std::vector<Pair> pairs = {{51.5, 7, 90, 123.4}, {51.5, 7, -51.5, -173}, {0, 180, 0, -180}, {90, 0, 10, 50},
                               {50, 7, 40, 7},       {51.5, 7, 51.5, 7},     {10, 20, 1000, 1000}};
    for (int i = 0; i < 20000; ++i)
        pairs.push_back({latitude(random), longitude(random), latitude(random), longitude(random)});
    for (const Pair& p : pairs) {
        const GreatCircleFrom from(p.lon1, p.lat1);
        const GreatCircleFrom::DistanceAndBearing both = from.distanceAndBearingTo(p.lon2, p.lat2);
        ASSERT_EQ(both.distanceKm, greatCircleDistance(p.lon1, p.lat1, p.lon2, p.lat2)) << p.lat1 << " " << p.lon1 << " " << p.lat2 << " " << p.lon2;
        ASSERT_EQ(both.bearing, greatCircleBearing(p.lon1, p.lat1, p.lon2, p.lat2)) << p.lat1 << " " << p.lon1 << " " << p.lat2 << " " << p.lon2;
    }
}

} // namespace
