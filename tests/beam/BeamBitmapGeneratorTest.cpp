// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamBitmapGenerator.h"
#include "beam/BeamView.h"
#include "geo/MapTransforms.h"

#include "NumberedWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

const GeoPosition jo31mm {7.0417, 51.5208};  // degrees
const MapView wholeWorld {90, -90, 180, -180};
const QRgb polar = qRgb(255, 0, 255);

QRgb worldPixelAt(const QImage& map, double longitude, double latitude)
{
    return map.pixel(lonToMapBitmapX(wholeWorld, map.width(), longitude),
                     latToMapBitmapY(wholeWorld, map.height(), latitude));
}

class BeamBitmapGeneratorTest : public testing::Test {
protected:
    QImage map = numberedWorld();
    BeamBitmapGenerator generator {jo31mm, map, wholeWorld, polar, 300};
};

// Where the pixels sample the map: the own station at the centre, east to the right along the
// great circle, the polar caps in the crosshair colour; nothing beyond 20001 km nor off a regional
// map.
TEST_F(BeamBitmapGeneratorTest, PixelsSampleTheMapAlongTheGreatCircles)
{
    QImage europe(70, 38, QImage::Format_RGB32);
    europe.fill(qRgb(0, 128, 0));
    const BeamBitmapGenerator onEquator({10, 0}, map, wholeWorld, polar, 300);
    const BeamBitmapGenerator western({-100, 0}, map, wholeWorld, polar, 300);
    const BeamBitmapGenerator regional(jo31mm, europe, {72, 34, 45, -25}, polar, 300);
    enum Expect { is, isNot, nothing };
    // The generator, its pixel, and whether that is, is not or has no colour at all of the expected one.
    const std::tuple<const char*, const BeamBitmapGenerator&, QPoint, Expect, QRgb> cases[] = {
        {"centre", generator, {150, 150}, is, worldPixelAt(map, jo31mm.longitude, jo31mm.latitude)},
        {"up, about 4000 km: across 87 N", generator, {150, 120}, is, polar},
        {"down, about 12700 km: near 63 S, still on the map", generator, {150, 245}, isNot, polar},
        {"down, about 13400 km: below 64.5 S", generator, {150, 250}, is, polar},
        {"the rim's top, beyond 20001 km", generator, {150, 0}, nothing, 0},
        {"a corner", generator, {0, 0}, nothing, 0},
        // 90 degrees east of a station on the equator lies on the equator, 90 degrees of longitude away.
        {"east on the equator", onEquator, {225, 150}, is, worldPixelAt(map, 100, 0)},
        {"west on the equator", onEquator, {75, 150}, is, worldPixelAt(map, -80, 0)},
        {"120 W of 100 W wraps to 140 E", western, {50, 150}, is, worldPixelAt(map, 140, 0)},
        {"regional map, centre", regional, {150, 150}, is, qRgb(0, 128, 0)},
        {"regional map, beyond it", regional, {150, 290}, nothing, 0},
    };
    for (const auto& [name, from, pixel, expect, colour] : cases) {
        QRgb sampled = 0;
        ASSERT_EQ(from.colourAt(pixel.x(), pixel.y(), sampled), expect != nothing) << name;
        if (expect != nothing) {
            EXPECT_EQ(sampled == colour, expect == is) << name;
        }
    }
}

TEST_F(BeamBitmapGeneratorTest, ThreadsDoNotChangeASingleByte)
{
    const QImage alone = generator.rows(0, 300, 1);
    EXPECT_EQ(generator.rows(0, 300, 3), alone);
    EXPECT_EQ(generator.rows(100, 7, 4), alone.copy(0, 100, 300, 7));
}

struct Station {
    const char* name;  // the test's name
    GeoPosition own;   // degrees
    int side;          // pixels
};

// Both poles, the meridians at 0 and 180, latitudes whose pixels meet the polar limits, and
// stations beside the world map's pixel edges.
const Station stations[] = {
    {"NorthPole", {0, 90}, 500},
    {"SouthPole", {0, -90}, 500},
    {"NullIsland", {0, 0}, 500},
    {"N10_W179_95", {-179.95, 10}, 500},
    {"N0_E180", {180, 0}, 500},
    {"S33_87_E151_21", {151.21, -33.87}, 500},
    {"N45_05_E7_05", {7.05, 45.05}, 500},
    {"S64_5_E0", {0, -64.5}, 500},
    {"N84_5_E179", {179, 84.5}, 500},
    {"JO31MM", {7.0417, 51.5208}, 500},
    {"WesternOddSide", {-100, 40}, 401},
    {"NearTheNorthPole", {-45, 89.999}, 500},
    {"SouthPoleOddSide", {123.4, -90}, 333},
    {"NorthPole200EOfGreenwich", {-160, 90}, 512},
};

class FastRowsTest : public testing::TestWithParam<Station> { };

TEST_P(FastRowsTest, EveryPixelIsTheExtendedPrecisionOne)
{
    // The real world map: 0.1 degrees a pixel, so that every decision is as fine as in use.
    QImage world;
    ASSERT_TRUE(world.load(qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/Karten/Welt.bmp"), "BMP"));
    world = world.convertToFormat(QImage::Format_RGB32);
    const Station& station = GetParam();
    const BeamBitmapGenerator generator(station.own, world, wholeWorld, polar, station.side);
    // The picture as the extended-precision evaluation gives it, pixel by pixel: the reference that
    // the fast rows must meet exactly.
    QImage reference(station.side, station.side, QImage::Format_RGB32);
    reference.fill(Qt::white);
    for (int y = 0; y < station.side; ++y) {
        QRgb* const line = reinterpret_cast<QRgb*>(reference.scanLine(y));
        for (int x = 0; x < station.side; ++x)
            generator.colourAt(x, y, line[x]);
    }
    const QImage fast = generator.rows(0, station.side, 2);
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < station.side; ++y)
        for (int x = 0; x < station.side; ++x)
            if (fast.pixel(x, y) != reference.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
}

INSTANTIATE_TEST_SUITE_P(Stations, FastRowsTest, testing::ValuesIn(stations),
                         [](const testing::TestParamInfo<Station>& info) { return std::string(info.param.name); });

// The rim, drawn with integer lines: closed against the four-way flood fill, every pixel within a
// pixel of the circle and the points of every degree on it; only the corners get the outside
// colour, and the thin white ring inside the rim and the picture inside it stay.
TEST(BeamBitmapFinishTest, RimIsClosedOnTheCircleAndOnlyTheCornersGetTheOutsideColour)
{
    const QRgb outside = qRgb(240, 240, 240), black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    for (const int side : {300, 2500}) {  // pixels
        SCOPED_TRACE(side);
        const int centre = side / 2;
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(white);
        picture.setPixel(centre, centre, qRgb(1, 2, 3));
        BeamBitmapGenerator::finish(picture, outside);
        EXPECT_EQ(picture.pixel(centre, centre), qRgb(1, 2, 3));
        for (const QPoint ring : {QPoint(centre, 2), QPoint(side - 2, centre), QPoint(centre, side - 1)})
            EXPECT_EQ(picture.pixel(ring), white) << ring.x() << "," << ring.y();
        const int last = side - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last), QPoint(10, 10)})
            EXPECT_EQ(picture.pixel(corner), outside) << corner.x() << "," << corner.y();
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (picture.pixel(x, y) == black) {
                    ASSERT_LE(std::fabs(std::hypot(x - centre, y - centre) - centre), 1.0) << x << "," << y;
                }
        // The points on the right and bottom edge lie one pixel beyond the picture.
        for (int degrees = 0; degrees < 360; ++degrees) {
            const QPoint point = BeamView::polar(centre, degrees, centre);
            if (picture.valid(point)) {
                EXPECT_EQ(picture.pixel(point), black) << degrees;
            }
        }
    }
}

}  // namespace
