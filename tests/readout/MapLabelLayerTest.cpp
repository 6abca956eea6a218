// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamProjection.h"
#include "mercator/MercatorProjection.h"
#include "readout/MapLabelLayer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QImage drawn(const MapLabelLayer& layer, const MapProjection& projection, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    layer.draw(painter, projection);
    return image;
}

int darkPixels(const QImage& image, QRect box)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

TEST(MapLabelLayer, OwnStationOnTheMercatorMapCompassBearingsAndDistancesOnTheBeamMap)
{
    const MapLabelLayer layer([] { return GeoPosition{7.0, 51.5}; }, [] { return 5000; });
    const MapView world{90, -90, 180, -180};
    const MercatorProjection mercator(world, {720, 360});
    const QImage map = drawn(layer, mercator, {720, 360});
    const QPoint own = mercator.pixelOf({7.0, 51.5});
    EXPECT_EQ(map.pixel(own), qRgb(255, 255, 255));
    EXPECT_GT(darkPixels(map, QRect(own - QPoint(6, 6), QSize(13, 13))), 10);
    EXPECT_EQ(darkPixels(map, map.rect()), darkPixels(map, QRect(own - QPoint(6, 6), QSize(13, 13))));

    // A whole disc of radius 300 around the centre of a 601-pixel picture.
    const BeamProjection beam(BeamView(601, 2500, 0), AzimuthalProjection({7.0, 51.5}));
    const QImage disc = drawn(layer, beam, {601, 601});
    const auto labelBox = [](double bearing, double radius) {
        const double angle = bearing * M_PI / 180;
        const QPoint at(int(300 + std::sin(angle) * radius), int(300 - std::cos(angle) * radius));
        return QRect(at - QPoint(12, 8), QSize(25, 17));
    };
    for (double bearing : {0.0, 30.0, 90.0, 150.0, 270.0, 330.0})
        EXPECT_GT(darkPixels(disc, labelBox(bearing, 290)), 5) << bearing;
    for (double bearing : {15.0, 105.0, 200.0})
        EXPECT_EQ(darkPixels(disc, labelBox(bearing, 290)), 0) << bearing;
    // 5.000, 10.000 and 15.000 km right of the north spoke, just above their circles.
    for (int km : {5000, 10000, 15000}) {
        const int radius = int(300.0 * km / 20037.0);
        EXPECT_GT(darkPixels(disc, QRect(305, 300 - radius - 12, 30, 10)), 10) << km;
    }
}

} // namespace
