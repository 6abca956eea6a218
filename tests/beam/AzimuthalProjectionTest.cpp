// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/AzimuthalProjection.h"
#include "geo/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

const GeoPosition jo31mm {7.0417, 51.5208};  // degrees
const long double rimKm = AzimuthalProjection::antipodeKm;
// The cosines pass through doubles on their way to arcCosClamped; near a longitude difference of
// 0 that costs up to about 1e-6 degrees, far below a map pixel.
constexpr double longitudeTolerance = 1e-5;  // degrees

TEST(AzimuthalProjectionTest, ScreenBearingIsClockwiseFromUp)
{
    // Right, up, bearing.
    const std::tuple<long double, long double, long double> cases[] = {
        {0, 0, 90}, {0, 5, 0},    {5, 0, 90},    {0, -5, 180}, {-5, 0, 270},
        {3, 3, 45}, {3, -3, 135}, {-3, -3, 225}, {-3, 3, 315}, {1, 1e6L, 1e-6L / 0.017453292519943295L},
    };
    for (const auto& [dx, dy, bearing] : cases)
        EXPECT_NEAR(double(AzimuthalProjection::screenBearing(dx, dy)), double(bearing), 1e-9) << dx << "," << dy;
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
        EXPECT_NEAR(double(AzimuthalProjection::sampledLongitude(rim.longitude)), jo31mm.longitude - 180,
                    longitudeTolerance);
    }
}

TEST(AzimuthalProjectionTest, KnownBearingsAndDistancesGiveThePointBack)
{
    const std::pair<GeoPosition, GeoPosition> cases[] = {
        {jo31mm, {-74.006, 40.7128}},       // New York
        {jo31mm, {151.2093, -33.8688}},     // Sydney, over 16000 km
        {jo31mm, {37.6173, 55.7558}},       // Moscow
        {jo31mm, {-58.3816, -34.6037}},     // Buenos Aires
        {{-100, 40}, {139.6917, 35.6895}},  // Tokyo seen from the western hemisphere
        {{-100, 40}, {-46.6333, -23.5505}}, {{0, 0}, {0, 60}}, {{0, -60}, {120, -10}},
    };
    for (const auto& [own, point] : cases) {
        const long double distance = greatCircleDistance(own.longitude, own.latitude, point.longitude, point.latitude);
        const double bearing = greatCircleBearing(own.longitude, own.latitude, point.longitude, point.latitude);
        const AzimuthalProjection::Point p = AzimuthalProjection(own).pointAt(bearing, distance);
        EXPECT_NEAR(double(p.latitude), point.latitude, 1e-6) << point.longitude;
        EXPECT_NEAR(double(AzimuthalProjection::shownLongitude(p.longitude)), point.longitude, longitudeTolerance);
    }
}

TEST(AzimuthalProjectionTest, LongitudesAreWrappedOnceAndSampledWithinTheMap)
{
    // Raw, sampled and shown longitude, degrees.
    const std::tuple<long double, long double, long double> cases[] = {
        {-220, 140, 140}, {220, -140, -140},  {179.5L, 179, 179.5L}, {-179.5L, -179, -179.5L},
        {180, 179, -180}, {-180, -179, -180}, {181, -179, -179},     {7, 7, 7},
    };
    for (const auto& [raw, sampled, shown] : cases) {
        EXPECT_DOUBLE_EQ(double(AzimuthalProjection::sampledLongitude(raw)), double(sampled)) << double(raw);
        EXPECT_DOUBLE_EQ(double(AzimuthalProjection::shownLongitude(raw)), double(shown)) << double(raw);
    }
}

}  // namespace
