// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Checks the great-circle routines against GeographicLib's geodesic solution on the same sphere
// (a = 6378.145 km, no flattening), an independent algorithm that is accurate to nanometres.

#include "geo/GreatCircle.h"

#include <GeographicLib/Geodesic.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

const GeographicLib::Geodesic sphere(6378145.0, 0.0);  // radius in metres, flattening 0
constexpr double halfCircumferenceKm = 6378.145 * M_PI;

struct Reference {
    double km, bearing;  // bearing: degrees in (-180, 180] as GeographicLib gives them, turned into (0, 360]
};

Reference reference(double lat1, double lon1, double lat2, double lon2)
{
    double metres = 0, azimuth1 = 0, azimuth2 = 0;
    sphere.Inverse(lat1, lon1, lat2, lon2, metres, azimuth1, azimuth2);
    return {metres / 1000.0, azimuth1 <= 0.0 ? azimuth1 + 360.0 : azimuth1};
}

// Smallest difference between two bearings in degrees, across the 0/360 seam.
double bearingDifference(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, 360.0 - d);
}

TEST(GreatCircleReference, PublishedPairsToSixDecimals)
{
    const struct { double lat1, lon1, lat2, lon2, km, bearing; } cases[] = {
        {51.5, 7.0, 48.85, 2.35, 443.607251, 230.140731},
        {51.5208333, 7.0416667, -33.87, 151.21, 16561.636565, 69.658787},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lat2 << " " << c.lon2);
        const Reference ref = reference(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_NEAR(ref.km, c.km, 5e-7);
        EXPECT_NEAR(ref.bearing, c.bearing, 5e-7);
        EXPECT_NEAR(double(greatCircleDistance(c.lon1, c.lat1, c.lon2, c.lat2)), c.km, 5e-7);
        EXPECT_NEAR(greatCircleBearing(c.lon1, c.lat1, c.lon2, c.lat2), c.bearing, 5e-7);
    }
}

// The law-of-cosines form goes through arccos, whose error grows as d(acos x) = -dx / sqrt(1 - x²).
// The cosine of the central angle sigma is rounded to a double (dx up to 5.5e-17) before arccos, so
// sigma is off by about 5.5e-17 / sin(sigma) radians: harmless for the distance (millimetres even
// at 10 m) but not for the bearing, whose arccos argument is divided by sin(sigma) and so carries a
// relative error of about 5.5e-17 / sigma²; near due north or south the second arccos magnifies that
// again to sqrt(2 * 5.5e-17) / sigma. The bearing therefore drifts beyond 0.0001 degrees below about
// 40 km from point 1 or from its antipode (0.02 degrees at 1 km), and from within a few hundredths
// of a degree of a pole, where it also divides by cos(latitude 1). Those pairs are left out of the
// bearing comparison, and pairs closer than 1 km or within 1 km of the antipode out of both.
TEST(GreatCircleReference, AgreesWithGeographicLibOnRandomPairs)
{
    constexpr double minimumKm = 1.0;
    constexpr double bearingMinimumKm = 50.0;
    constexpr double poleMarginDegrees = 0.05;
    std::mt19937_64 random(19700101);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Uniform on the sphere: latitude from the arcsine of a uniform sine.
    auto latitude = [&] { return std::asin(2.0 * unit(random) - 1.0) * 180.0 / M_PI; };
    auto longitude = [&] { return 360.0 * unit(random) - 180.0; };
    int distancesCompared = 0, bearingsCompared = 0;
    for (int i = 0; i < 30000; ++i) {
        const double lat1 = latitude(), lon1 = longitude();
        double lat2 = latitude(), lon2 = longitude(), unusedAzimuth = 0;
        // A third anywhere, a third within 500 km of point 1, a third within 500 km of its antipode.
        const double offsetMetres = 500e3 * unit(random), azimuth = 360.0 * unit(random);
        if (i % 3 == 1)
            sphere.Direct(lat1, lon1, azimuth, offsetMetres, lat2, lon2, unusedAzimuth);
        else if (i % 3 == 2)
            sphere.Direct(-lat1, lon1 + 180.0, azimuth, offsetMetres, lat2, lon2, unusedAzimuth);
        const Reference ref = reference(lat1, lon1, lat2, lon2);
        const double fromAntipodeKm = halfCircumferenceKm - ref.km;
        if (ref.km < minimumKm || fromAntipodeKm < minimumKm)
            continue;
        SCOPED_TRACE(::testing::Message() << lat1 << " " << lon1 << " -> " << lat2 << " " << lon2);
        ++distancesCompared;
        ASSERT_NEAR(double(greatCircleDistance(lon1, lat1, lon2, lat2)), ref.km, 0.001);
        if (ref.km < bearingMinimumKm || fromAntipodeKm < bearingMinimumKm
            || std::fabs(lat1) > 90.0 - poleMarginDegrees)
            continue;
        ++bearingsCompared;
        const double bearing = greatCircleBearing(lon1, lat1, lon2, lat2);
        ASSERT_LT(bearingDifference(bearing, ref.bearing), 0.0001);
        ASSERT_GT(bearing, 0.0);
        ASSERT_LE(bearing, 360.0);
    }
    EXPECT_GE(distancesCompared, 29000);
    EXPECT_GE(bearingsCompared, 10000);
}

} // namespace
