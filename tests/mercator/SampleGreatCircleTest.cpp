// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/SampleGreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SampleGreatCircle, PointLiesWhereSphericalGeometrySaysItDoes)
{
    const struct {
        double ownLatitude, ownLongitude, direction;
        int point;
        double latitude, longitude;  // expected, degrees
    } cases[] = {
        // Due east from 51.5 N 7 E: a quarter circle reaches the equator 90 degrees further east,
        // the half circle ends at the antipode.
        {51.5, 7, 90, 90, 0, 97}, {51.5, 7, 90, 180, -51.5, -173},
        {51.5, 7, -90, 90, 0, -83},  // due west: the equator 90 degrees further west
        // Due south along the meridian, one degree of arc per point.
        {51.5, 7, 180, 1, 50.5, 7}, {51.5, 7, 180, 60, -8.5, 7},
        // Due north over the pole: beyond it the circle runs down the opposite meridian.
        {51.5, 7, 0, 30, 81.5, 7}, {51.5, 7, 0, 50, 78.5, -173},
        // From the equator at 170 E due east: 180 is written as -180.
        {0, 170, 90, 10, 0, -180}, {0, 170, 90, 20, 0, -170},
    };
    for (const auto& c : cases) {
        CirclePoints points{};
        SampleGreatCircle(c.direction, c.ownLongitude, c.ownLatitude, points);
        // The longitude's cosine is held as a double; near 0 and 180 degrees its arccosine
        // magnifies that rounding to some 1e-6 degrees.
        EXPECT_NEAR(circleLatitude(points, c.point), c.latitude, 1e-9) << c.direction << " point " << c.point;
        EXPECT_NEAR(circleLongitude(points, c.point), c.longitude, 1e-5) << c.direction << " point " << c.point;
    }
}

TEST(SampleGreatCircle, LongitudesStayWithinTheMap)
{
    for (const double direction : {-179.0, -135.0, -90.0, -1.0, 0.0, 1.0, 45.0, 90.0, 179.0, 180.0}) {
        CirclePoints points{};
        SampleGreatCircle(direction, 7.0417, 51.5208, points);
        for (int i = 1; i <= 180; ++i) {
            EXPECT_GE(circleLongitude(points, i), -180.0) << direction << " point " << i;
            EXPECT_LT(circleLongitude(points, i), 180.0) << direction << " point " << i;
            EXPECT_LE(std::fabs(circleLatitude(points, i)), 90.0);
        }
    }
}

TEST(SampleGreatCircle, APointExactlyAtAPoleHasNoLongitude)
{
    CirclePoints points{};
    SampleGreatCircle(0, 0, 0, points);  // from the equator due north
    EXPECT_TRUE(std::isnan(circleLongitude(points, 90)));
    EXPECT_DOUBLE_EQ(circleLatitude(points, 90), 90);
    EXPECT_NEAR(circleLongitude(points, 89), 0, 1e-9);
    EXPECT_NEAR(std::fabs(circleLongitude(points, 91)), 180, 1e-9);
}

} // namespace
