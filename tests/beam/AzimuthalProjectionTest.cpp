// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/AzimuthalProjection.h"
#include "geo/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const GeoPosition jo31mm{7.0417, 51.5208};  // degrees
const long double rimKm = AzimuthalProjection::antipodeKm;
// The cosines pass through doubles on their way to arcCosClamped; near a longitude difference of
// 0 that costs up to about 1e-6 degrees, far below a map pixel.
constexpr double longitudeTolerance = 1e-5;  // degrees

TEST(AzimuthalProjectionTest, ScreenBearingIsClockwiseFromUp)
{
    struct Case {
        long double dx, dy, bearing;
    };
    const Case cases[] = {
        {0, 0, 90},  {0, 5, 0},   {5, 0, 90},   {0, -5, 180}, {-5, 0, 270},
        {3, 3, 45},  {3, -3, 135}, {-3, -3, 225}, {-3, 3, 315}, {1, 1e6L, 1e-6L / 0.017453292519943295L},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(double(AzimuthalProjection::screenBearing(c.dx, c.dy)), double(c.bearing), 1e-9) << c.dx << "," << c.dy;
}

TEST(AzimuthalProjectionTest, CentreIsTheOwnStationAndTheRimItsAntipode)
{
    const AzimuthalProjection projection(jo31mm);
    const AzimuthalProjection::Point centre = projection.pointAt(90, 0);
    EXPECT_NEAR(double(centre.latitude), jo31mm.latitude, 1e-9);
    EXPECT_NEAR(double(centre.longitude), jo31mm.longitude, longitudeTolerance);
    for (const long double bearing : {0.0L, 45.0L, 180.0L, 270.0L, 333.0L}) {
        const AzimuthalProjection::Point rim = projection.pointAt(bearing, rimKm);
        EXPECT_NEAR(double(rim.latitude), -jo31mm.latitude, 1e-6) << double(bearing);
        EXPECT_NEAR(double(AzimuthalProjection::sampledLongitude(rim.longitude)), jo31mm.longitude - 180, longitudeTolerance);
    }
}

// Every point put at its great-circle bearing and distance comes back as itself.
TEST(AzimuthalProjectionTest, KnownBearingsAndDistancesGiveThePointBack)
{
    struct Case {
        GeoPosition own, point;
    };
    const Case cases[] = {
        {jo31mm, {-74.006, 40.7128}},    // New York
        {jo31mm, {151.2093, -33.8688}},  // Sydney, over 16000 km
        {jo31mm, {37.6173, 55.7558}},    // Moscow
        {jo31mm, {-58.3816, -34.6037}},  // Buenos Aires
        {{-100, 40}, {139.6917, 35.6895}},  // Tokyo seen from the western hemisphere
        {{-100, 40}, {-46.6333, -23.5505}},
        {{0, 0}, {0, 60}},
        {{0, -60}, {120, -10}},
    };
    for (const Case& c : cases) {
        const long double distance = greatCircleDistance(c.own.longitude, c.own.latitude, c.point.longitude, c.point.latitude);
        const double bearing = greatCircleBearing(c.own.longitude, c.own.latitude, c.point.longitude, c.point.latitude);
        const AzimuthalProjection::Point p = AzimuthalProjection(c.own).pointAt(bearing, distance);
        EXPECT_NEAR(double(p.latitude), c.point.latitude, 1e-6) << c.point.longitude;
        EXPECT_NEAR(double(AzimuthalProjection::shownLongitude(p.longitude)), c.point.longitude, longitudeTolerance);
    }
}

TEST(AzimuthalProjectionTest, LongitudesAreWrappedOnceAndSampledWithinTheMap)
{
    struct Case {
        long double raw, sampled, shown;
    };
    const Case cases[] = {
        {-220, 140, 140}, {220, -140, -140}, {179.5L, 179, 179.5L}, {-179.5L, -179, -179.5L},
        {180, 179, -180}, {-180, -179, -180}, {181, -179, -179},   {7, 7, 7},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(double(AzimuthalProjection::sampledLongitude(c.raw)), double(c.sampled)) << double(c.raw);
        EXPECT_DOUBLE_EQ(double(AzimuthalProjection::shownLongitude(c.raw)), double(c.shown)) << double(c.raw);
    }
}

} // namespace
