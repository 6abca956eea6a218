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

QImage drawn(const MapLabelLayer& layer, const MapProjection& projection, QSize size, QColor ground = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
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

    // 5.000, 10.000 and 15.000 km right of the north spoke, just above their circles.
    const BeamProjection beam(BeamView(601, 2500, 0), AzimuthalProjection({7.0, 51.5}));
    const QImage disc = drawn(layer, beam, {601, 601});
    for (int km : {5000, 10000, 15000}) {
        const int radius = int(300.0 * km / 20037.0);
        EXPECT_GT(darkPixels(disc, QRect(305, 300 - radius - 12, 30, 10)), 10) << km;
    }
}

// The compass letters and spoke bearings stand beside their spoke, never on it, with a white halo
// that keeps them legible on a dark ground, and wholly inside the rim: of the whole disc, and of a
// zoomed one whose rim the picture cuts.
TEST(MapLabelLayer, SpokeLabelsStandBesideTheirSpokeInsideTheRimWithAHalo)
{
    const MapLabelLayer layer([] { return GeoPosition{7.0, 51.5}; }, [] { return 0; });
    const QRgb grey = qRgb(128, 128, 128);
    const struct {
        int zoomMargin;  // bitmap pixels cut from each side
        double rim;      // pixels from the centre the labels must stay within
    } cases[] = {{0, 300}, {500, 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoomMargin);
        const BeamProjection beam(BeamView(601, 2500, c.zoomMargin), AzimuthalProjection({7.0, 51.5}));
        const QImage picture = drawn(layer, beam, {601, 601}, QColor(grey));
        int dark = 0, light = 0;
        for (int y = 0; y < 601; ++y)
            for (int x = 0; x < 601; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                dark += qGray(pixel) < 64;
                light += qGray(pixel) > 192;
                if (pixel != grey) {
                    EXPECT_LT(std::hypot(x - 300, y - 300), c.rim - 1) << x << ',' << y;
                }
            }
        EXPECT_GT(dark, 12 * 8) << "twelve labels";
        EXPECT_GT(light, dark) << "each with its halo";
        for (int bearing = 0; bearing < 360; bearing += 30) {
            const double angle = bearing * M_PI / 180;
            int beside = 0;
            for (double r = c.rim - 40; r < c.rim; r += 0.5) {
                const QPointF on(300 + std::sin(angle) * r, 300 - std::cos(angle) * r);
                EXPECT_EQ(picture.pixel(on.toPoint()), grey) << "on the spoke at " << bearing << ", " << r;
                for (int away = 4; away < 30; ++away)
                    beside += qGray(picture.pixel((on + QPointF(std::cos(angle), std::sin(angle)) * away).toPoint())) < 64;
            }
            EXPECT_GT(beside, 0) << "a label beside the spoke at " << bearing;
        }
    }
}
} // namespace
