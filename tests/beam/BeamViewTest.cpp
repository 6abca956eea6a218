// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamView.h"
#include "beam/AzimuthalProjection.h"
#include "geo/GreatCircle.h"

#include <gtest/gtest.h>

namespace {

const long double rimKm = AzimuthalProjection::antipodeKm;

TEST(BeamViewTest, PolarPointsRoundAroundTheCentre)
{
    const std::pair<int, QPoint> cases[] = {
        {0, {250, 150}}, {90, {350, 250}}, {180, {250, 350}}, {270, {150, 250}}, {45, {321, 179}}};
    for (const auto& [bearing, point] : cases)
        EXPECT_EQ(BeamView::polar(250, bearing, 100), point) << bearing;
}

TEST(BeamViewTest, ZoomStepsMagnifyAndShortenTheReadDistanceAndInvalidViewsShowNothing)
{
    const std::pair<int, long double> cases[] = {{0, 1}, {250, 1.25L}, {500, 2500.0L / 1500}, {750, 2.5L}, {1000, 5}};
    for (const auto& [margin, magnification] : cases) {
        const BeamView view(500, 2500, margin);
        ASSERT_TRUE(view.valid());
        EXPECT_NEAR(double(view.magnification()), double(magnification), 1e-12);
        const BeamView::Spot top = view.spotAt({250, 0});
        EXPECT_NEAR(double(top.bearing), 0, 1e-12);
        EXPECT_NEAR(double(top.distanceKm), double(rimKm / magnification), 1e-6) << margin;
    }
    const BeamView::Spot centre = BeamView(500, 2500, 0).spotAt({250, 250});
    EXPECT_EQ(double(centre.bearing), 90);
    EXPECT_EQ(double(centre.distanceKm), 0);
    // Nothing to show without a bitmap or with too wide a margin.
    EXPECT_FALSE(BeamView(500, 0, 0).valid());
    EXPECT_FALSE(BeamView(500, 100, 50).valid());
    EXPECT_FALSE(BeamView(1, 100, 0).valid());
    EXPECT_EQ(double(BeamView(500, 0, 0).spotAt({0, 0}).distanceKm), 0);
}

TEST(BeamViewTest, PlacedPositionsReadBackAtTheirBearingAndDistance)
{
    const GeoPosition own {7.0417, 51.5208};
    const BeamView view(800, 2500, 500);
    for (const GeoPosition city : {GeoPosition {-74.006, 40.7128}, {13.4, 52.52}, {139.69, 35.69}}) {
        const BeamView::Spot spot = view.spotAt(view.pixelOf(own, city.longitude, city.latitude));
        const long double km = greatCircleDistance(own.longitude, own.latitude, city.longitude, city.latitude);
        // Within the rounding to a whole pixel.
        EXPECT_NEAR(double(spot.distanceKm), double(km), double(1 / view.pixelsPerKm() / view.magnification()));
        EXPECT_NEAR(double(spot.bearing),
                    greatCircleBearing(own.longitude, own.latitude, city.longitude, city.latitude), 1.0);
    }
}

}  // namespace
