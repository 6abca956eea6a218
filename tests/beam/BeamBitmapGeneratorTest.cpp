#include "beam/BeamBitmapGenerator.h"
#include "beam/BeamView.h"
#include "geo/MapTransforms.h"

#include "NumberedWorld.h"

#include <gtest/gtest.h>

namespace {

const GeoPosition jo31mm{7.0417, 51.5208};  // degrees
const MapView wholeWorld{90, -90, 180, -180};
const QRgb polar = qRgb(255, 0, 255);

QRgb worldPixelAt(const QImage& map, double longitude, double latitude)
{
    return map.pixel(lonToMapBitmapX(wholeWorld, map.width(), longitude), latToMapBitmapY(wholeWorld, map.height(), latitude));
}

class BeamBitmapGeneratorTest : public testing::Test {
protected:
    QImage map = numberedWorld();
    BeamBitmapGenerator generator{jo31mm, map, wholeWorld, polar, 300};

    bool at(int x, int y, QRgb& colour) const { return generator.colourAt(x, y, colour); }
};

TEST_F(BeamBitmapGeneratorTest, CentreTakesTheOwnStationsMapPixel)
{
    QRgb colour = 0;
    ASSERT_TRUE(at(150, 150, colour));
    EXPECT_EQ(colour, worldPixelAt(map, jo31mm.longitude, jo31mm.latitude));
}

TEST_F(BeamBitmapGeneratorTest, PolarCapsTakeTheCrosshairColourAndTheDiscEdgeStaysWhite)
{
    QRgb colour = 0;
    // Straight up, about 4000 km: across 87 degrees north.
    ASSERT_TRUE(at(150, 150 - 30, colour));
    EXPECT_EQ(colour, polar);
    // Straight down, about 12700 km: near 63 degrees south, still on the map.
    ASSERT_TRUE(at(150, 150 + 95, colour));
    EXPECT_NE(colour, polar);
    // Straight down, about 13400 km: below 64.5 degrees south.
    ASSERT_TRUE(at(150, 150 + 100, colour));
    EXPECT_EQ(colour, polar);
    // Beyond 20001 km nothing is sampled: the rim's top and the corners.
    EXPECT_FALSE(at(150, 0, colour));
    EXPECT_FALSE(at(0, 0, colour));
}

TEST_F(BeamBitmapGeneratorTest, RightOfTheCentreIsEastAlongTheGreatCircle)
{
    // 90 degrees east of a station on the equator lies on the equator, 90 degrees of longitude away.
    const BeamBitmapGenerator onEquator({10, 0}, map, wholeWorld, polar, 300);
    QRgb colour = 0;
    ASSERT_TRUE(onEquator.colourAt(150 + 75, 150, colour));
    EXPECT_EQ(colour, worldPixelAt(map, 100, 0));
    ASSERT_TRUE(onEquator.colourAt(150 - 75, 150, colour));
    EXPECT_EQ(colour, worldPixelAt(map, -80, 0));
    // From 100 degrees west, 120 degrees further west wraps to 140 east.
    const BeamBitmapGenerator western({-100, 0}, map, wholeWorld, polar, 300);
    ASSERT_TRUE(western.colourAt(150 - 100, 150, colour));
    EXPECT_EQ(colour, worldPixelAt(map, 140, 0));
}

TEST_F(BeamBitmapGeneratorTest, ThreadsDoNotChangeASingleByte)
{
    const QImage alone = generator.rows(0, 300, 1);
    EXPECT_EQ(generator.rows(0, 300, 3), alone);
    EXPECT_EQ(generator.rows(100, 7, 4), alone.copy(0, 100, 300, 7));
}

TEST_F(BeamBitmapGeneratorTest, RegionalMapLeavesWhatItDoesNotCoverWhite)
{
    QImage europe(70, 38, QImage::Format_RGB32);
    europe.fill(qRgb(0, 128, 0));
    const BeamBitmapGenerator regional(jo31mm, europe, {72, 34, 45, -25}, polar, 300);
    QRgb colour = 0;
    EXPECT_TRUE(regional.colourAt(150, 150, colour));
    EXPECT_EQ(colour, qRgb(0, 128, 0));
    EXPECT_FALSE(regional.colourAt(150, 290, colour));
}

TEST(BeamBitmapFinishTest, RimIsBlackAndOnlyTheCornersGetTheOutsideColour)
{
    QImage picture(300, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(150, 150, qRgb(1, 2, 3));
    const QRgb outside = qRgb(240, 240, 240);
    BeamBitmapGenerator::finish(picture, outside);
    EXPECT_EQ(picture.pixel(150, 0), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(0, 150), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(BeamView::polar(150, 45, 150)), qRgb(0, 0, 0));
    for (const QPoint corner : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 299), QPoint(299, 299), QPoint(10, 10)})
        EXPECT_EQ(picture.pixel(corner), outside) << corner.x() << "," << corner.y();
    // The thin white ring inside the rim and the picture inside it stay.
    EXPECT_EQ(picture.pixel(150, 2), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(298, 150), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(150, 299), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(150, 150), qRgb(1, 2, 3));
}

} // namespace
