// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/MercatorPicture.h"

#include "geo/MapTransforms.h"
#include "mercator/LocatorGrid.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// A picture of the whole world at one pixel per degree.
const MapView world {90, -90, 180, -180};
const QSize worldSize(360, 180);

QImage whiteCanvas(QSize size = worldSize)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

bool isBlack(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

TEST(MercatorPicture, FieldGridOnTheWorldEveryTwentyAndTenDegrees)
{
    QImage canvas = whiteCanvas();
    MercatorPicture(canvas, worldSize, world).drawLocatorGrid(1);
    std::vector<int> columns, rows;
    for (int x = 0; x < canvas.width(); ++x)
        if (isBlack(canvas, x, 5))  // row 5 lies on no parallel
            columns.push_back(x);
    for (int y = 0; y < canvas.height(); ++y)
        if (isBlack(canvas, 5, y))
            rows.push_back(y);
    EXPECT_EQ(columns, (std::vector {20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320, 340}));
    EXPECT_EQ(rows, (std::vector {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170}));
}

// The grid as one-pixel painter lines across the shown part of the surface draw it: the reference
// for the grid written straight into the rows.
QImage paintedGrid(QImage canvas, QSize shown, const MapView& view, int level)
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(QRect(QPoint(0, 0), shown));
    painter.setPen(QPen(Qt::black, 1));
    for (const double longitude : LocatorGrid::meridians(view, level)) {
        const int x = lonToViewX(view, shown.width(), longitude);
        painter.drawLine(x, shown.height(), x, 0);
    }
    for (const double latitude : LocatorGrid::parallels(view, level)) {
        const int y = latToViewY(view, shown.height(), latitude);
        painter.drawLine(0, y, shown.width(), y);
    }
    return canvas;
}

TEST(MercatorPicture, GridWrittenIntoTheRowsSetsThePaintersPixels)
{
    // The view and the pixels it is shown on, on a larger surface.
    const std::tuple<const char*, MapView, QSize> cases[] = {
        {"world on a full-HD screen", world, {1920, 1080}},
        {"world, odd size", world, {1001, 499}},
        {"Europe zoomed", {72, 34, 45, -25}, {900, 700}},
        {"two subsquares wide, lines on the edges", {51.5, 51.375, 7.1666666666666667, 7}, {640, 480}},
    };
    for (const auto& [name, view, shown] : cases)
        for (int level = LocatorGrid::none; level <= LocatorGrid::subsquares; ++level) {
            QImage canvas = whiteCanvas(shown + QSize(37, 23));
            const QImage expected = paintedGrid(canvas, shown, view, level);
            MercatorPicture(canvas, shown, view).drawLocatorGrid(level);
            EXPECT_EQ(canvas, expected) << name << ", level " << level;
        }
}

TEST(MercatorPicture, ALineCrossingTheDateLineIsTwoPieces)
{
    // Due east from 51.5 N 7 E the circle reaches the antipode at 173 W.
    const GeoPosition own {7, 51.5};
    CirclePoints points {};
    SampleGreatCircle(90, own.longitude, own.latitude, points);
    QImage canvas = whiteCanvas();
    MercatorPicture picture(canvas, worldSize, world);
    const std::vector<QPolygon> pieces = picture.linePieces(own, points);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].first(), QPoint(187, 38));
    EXPECT_GE(pieces[0].last().x(), 350);
    EXPECT_LE(pieces[1].first().x(), 10);
    EXPECT_EQ(pieces[1].last(), QPoint(7, 142));
    picture.drawCircle(own, points, Qt::red, 3);
    // No stroke joins the two ends across the map: around the row where the circle crosses, the
    // map between 20 W and 140 E stays untouched.
    const int crossingRow = pieces[1].first().y();
    for (int y = crossingRow - 2; y <= crossingRow + 2; ++y)
        for (int x = 160; x < 320; ++x)
            ASSERT_EQ(canvas.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(pieces[0].last()), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(pieces[1].first()), qRgb(255, 0, 0));
}

TEST(MercatorPicture, AnUndefinedPointOpensAGap)
{
    const GeoPosition own {0, 0};
    CirclePoints points {};
    SampleGreatCircle(0, own.longitude, own.latitude, points);  // point 90 is the north pole
    QImage canvas = whiteCanvas();
    const std::vector<QPolygon> pieces = MercatorPicture(canvas, worldSize, world).linePieces(own, points);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size(), 90);  // own station and points 1..89
    EXPECT_EQ(pieces[1].size(), 90);  // points 91..180
}

// The antenna's beam covers what lies within half the opening angle of its direction, seen from
// the own station, all the way to the antipode: across the date line and over a pole too. Points
// are taken on great circles from the own station (bearing, degrees of arc).
TEST(MercatorPicture, TheBeamCoversWhatLiesWithinHalfTheOpeningAngle)
{
    const GeoPosition own {7.0417, 51.5208};
    const struct {
        double direction, opening;  // degrees
        double bearing;
        int arc;
        bool covered;
    } cases[] = {
        {90, 60, 90, 30, true},  {90, 60, 115, 60, true}, {90, 60, 130, 30, false},    {90, 60, 75, 150, true},
        {0, 60, 0, 60, true},    {0, 60, 20, 80, true},   {0, 60, 90, 30, false},      {180, 60, 180, 120, true},
        {180, 60, 0, 30, false}, {-120, 40, -120, 100, true}, {-120, 40, -90, 100, false},
    };
    for (const auto& c : cases) {
        QImage canvas(worldSize, QImage::Format_RGB32);
        canvas.fill(Qt::gray);
        MercatorPicture(canvas, worldSize, world).fillSector(own, c.direction, c.opening, QColor(255, 210, 0, 90));
        CirclePoints points {};
        SampleGreatCircle(MercatorPicture::halfTurnDirection(c.bearing), own.longitude, own.latitude, points);
        const QPoint at(int(std::floor(circleLongitude(points, c.arc) + 180)),
                        int(std::floor(90 - circleLatitude(points, c.arc))));
        EXPECT_EQ(canvas.pixel(at) != QColor(Qt::gray).rgb(), c.covered)
            << c.direction << '/' << c.opening << " at " << c.bearing << ',' << c.arc;
    }
}

TEST(MercatorPicture, InvertingTwiceRestoresEveryPixel)
{
    QImage canvas(worldSize, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.setPixel(x, y, random.generate() | 0xFF000000u);
    const QImage original = canvas;
    MercatorPicture picture(canvas, worldSize, world);
    const GeoPosition own {7.0417, 51.5208};
    CirclePoints points {};
    SampleGreatCircle(-120, own.longitude, own.latitude, points);
    picture.invertCircle(own, points);
    picture.invertFocusRect(QRect(30, 40, 101, 57));
    EXPECT_NE(canvas, original);
    const QPoint start(187, 38);
    EXPECT_EQ(canvas.pixel(start), ~original.pixel(start) | 0xFF000000u);
    picture.invertFocusRect(QRect(30, 40, 101, 57));
    picture.invertCircle(own, points);
    EXPECT_EQ(canvas, original);
}

// A view copies its part of the bitmap, enlarged as the view asks; what lies beyond the bitmap
// stays white.
TEST(MercatorPicture, ViewCopiesItsPartOfTheBitmap)
{
    // Bitmap 360 x 180 over the world, each pixel's red and green its column and row halves.
    QImage bitmap(worldSize, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setPixel(x, y, qRgb(x / 2, y, 0));
    QImage zoomed = whiteCanvas(QSize(180, 90));
    // 0..90 E, 0..45 N: bitmap columns 180..269, rows 45..89, shown twice enlarged.
    MercatorPicture(zoomed, QSize(180, 90), MapView {45, 0, 90, 0}).copyMapPart(bitmap, world);
    EXPECT_EQ(zoomed.pixel(0, 0), qRgb(90, 45, 0));
    EXPECT_EQ(zoomed.pixel(179, 89), qRgb(134, 89, 0));
    QImage beyond(QSize(100, 100), QImage::Format_RGB32);
    beyond.fill(Qt::green);
    // 150 E .. 210 E: the right half lies east of the bitmap; pixel (10, 50) shows 156 E, 0 N.
    MercatorPicture(beyond, QSize(100, 100), MapView {30, -30, 210, 150}).copyMapPart(bitmap, world);
    EXPECT_EQ(beyond.pixel(10, 50), qRgb(168, 90, 0));
    EXPECT_EQ(beyond.pixel(90, 50), qRgb(255, 255, 255));
}

TEST(MercatorPicture, CityMarkerIsARoundDotOfItsDiameter)
{
    QImage canvas = whiteCanvas();
    MercatorPicture(canvas, worldSize, world).drawCityMarkers({CityRecord {"Dortmund", 51.5, 7.5}}, 5, Qt::red);
    // 7.5 E 51.5 N lies at pixel (187.5, 38.5), rounded half to even to (188, 38).
    const QRgb red = qRgb(255, 0, 0);
    int count = 0;
    for (int y = 30; y < 46; ++y)
        for (int x = 180; x < 196; ++x)
            count += canvas.pixel(x, y) == red;
    EXPECT_EQ(count, 21);  // the 5 x 5 square without its four corners
    for (const QPoint& p : {QPoint(188, 38), QPoint(186, 38), QPoint(190, 38), QPoint(188, 36), QPoint(188, 40)})
        EXPECT_EQ(canvas.pixel(p), red) << p.x() << "," << p.y();
    EXPECT_NE(canvas.pixel(186, 36), red);
}

}  // namespace
