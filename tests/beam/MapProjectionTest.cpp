// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Both maps through the one projection interface: known pixels and round trips pixel -> position
// -> pixel, which the read-out, clicks and later layers rely on.
#include "beam/BeamProjection.h"
#include "mercator/MercatorProjection.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

const GeoPosition equator {0, 0};
const GeoPosition jo31mm {7.0417, 51.5208};

// Whole world 360 x 180 pixels: one degree a pixel. Europe 72 N .. 34 N, 25 W .. 45 E over
// 700 x 380 pixels: ten pixels a degree. Beam map 400 pixels wide around 0 N 0 E, unzoomed: the
// rim at the antipode 200 pixels from the centre, so 100 pixels are a quarter of a great circle.
const MercatorProjection world(MapView {90, -90, 180, -180}, QSize(360, 180));
const MercatorProjection europe(MapView {72, 34, 45, -25}, QSize(700, 380));
const BeamProjection beam(BeamView(400, 500, 0), AzimuthalProjection(equator));
const BeamProjection beamAtHome(BeamView(400, 2500, 500), AzimuthalProjection(jo31mm));

TEST(MapProjectionTest, KnownPixelsShowKnownPositions)
{
    // The projection, a pixel, and the position it shows: none where the picture shows no place.
    const std::tuple<const char*, const MapProjection*, QPoint, std::optional<GeoPosition>> cases[] = {
        {"world centre", &world, {180, 90}, GeoPosition {0, 0}},
        {"world top left", &world, {0, 0}, GeoPosition {-180, 90}},
        {"world 90 E 45 S", &world, {270, 135}, GeoPosition {90, -45}},
        {"Europe 0 E 50 N", &europe, {250, 220}, GeoPosition {0, 50}},
        {"beam centre", &beam, {200, 200}, equator},
        {"beam quarter east", &beam, {300, 200}, GeoPosition {90, 0}},
        {"beam quarter west", &beam, {100, 200}, GeoPosition {-90, 0}},
        {"beam north pole", &beam, {200, 100}, GeoPosition {0, 90}},
        {"beam corner beyond 20000 km", &beam, {2, 2}, std::nullopt},
        {"zoomed beam centre", &beamAtHome, {200, 200}, jo31mm},
    };
    for (const auto& [name, projection, pixel, position] : cases) {
        const std::optional<GeoPosition> shown = projection->positionAt(pixel);
        ASSERT_EQ(shown.has_value(), position.has_value()) << name;
        if (!shown)
            continue;
        EXPECT_NEAR(shown->longitude, position->longitude, 1e-6) << name;  // degrees, 0.1 m
        EXPECT_NEAR(shown->latitude, position->latitude, 1e-6) << name;
        if (position->latitude != 90) {  // every pixel column shows the pole
            EXPECT_EQ(projection->pixelOf(*position), pixel) << name;
        }
    }
}

TEST(MapProjectionTest, PixelsComeBackFromTheirPositions)
{
    const MapProjection* const maps[] = {&world, &europe, &beam, &beamAtHome};
    const QPoint pixels[] = {{1, 1}, {37, 150}, {123, 45}, {199, 201}, {250, 310}, {333, 77}, {359, 179}};
    for (const auto& map : maps)
        for (const QPoint pixel : pixels)
            if (const std::optional<GeoPosition> position = map->positionAt(pixel)) {
                EXPECT_EQ(map->pixelOf(*position), pixel) << pixel.x() << ',' << pixel.y();
            }
}

TEST(MapProjectionTest, OnlyTheBeamMapMeasuresBearingAndDistanceOnThePicture)
{
    EXPECT_FALSE(world.measuredAt({100, 100}));
    const std::optional<MapProjection::Measured> east = beam.measuredAt({300, 200});
    ASSERT_TRUE(east);
    EXPECT_EQ(double(east->bearing), 90);
    EXPECT_NEAR(double(east->distanceKm), double(AzimuthalProjection::antipodeKm / 2), 1e-9);
    EXPECT_FALSE(beam.measuredAt({2, 2}));
    EXPECT_FALSE(BeamProjection(BeamView(400, 0, 0), AzimuthalProjection(equator)).positionAt({200, 200}))
        << "without a bitmap nothing is shown";
}

}  // namespace
