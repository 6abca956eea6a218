// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Run once per screen ratio (QT_SCALE_FACTOR 1, 1.5 and 2): on a HiDPI screen the maps draw at
// the screen's resolution while the mouse keeps reading and choosing the places it did at 1x.

#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "readout/CursorPanel.h"
#include "support/MapStage.h"
#include "widgets/ImageWidget.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

const QRgb red = qRgb(255, 0, 0);

// The ratio this run was started with.
double screenRatio()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

// Both maps over a one-colour world map (360 x 180 pixels, a degree each) with the own station at
// 7.0417 E 51.5208 N: the Mercator map shown 360 x 180 pixels, the beam map 300 x 300 from a grey
// cached bitmap (small enough for the test screen at 2x); the crosshair red.
class ScreenRatioTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QImage world(360, 180, QImage::Format_RGB32);
        world.fill(qRgb(200, 220, 255));
        ASSERT_TRUE(world.save(stage.folder.kartenPath(QStringLiteral("Welt.bmp")), "BMP"));
        stage.folder.writeFile(QStringLiteral("Karten/Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
        QImage beamBitmap(500, 500, QImage::Format_RGB32);
        beamBitmap.fill(qRgb(200, 200, 200));
        ASSERT_TRUE(beamBitmap.save(stage.folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
    }
    void TearDown() override
    {
        stage.close(destroy);
    }
    void open(bool beamMap)
    {
        stage.open(QByteArray("[Main]\r\nMercatorkarte=") + (beamMap ? "0" : "1") +
                   "\r\n[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n"
                   "[Beam]\r\nMittelpunkt_L\xe4nge=7.0417\r\nMittelpunkt_Breite=51.5208\r\n");
        stage.session.setOwnPosition({7.0417, 51.5208});
        stage.parameters.setCitiesShown(ParameterSettings::OnOff::off);
        stage.parameters.setLocatorGrid(0);
        stage.parameters.setMousePositionShown(ParameterSettings::OnOff::on);
        stage.session.setCrosshairColor(0x0000FF);  // red, as Windows writes it (0x00BBGGRR)
    }
    void showMercator()
    {
        open(false);
        auto* mercator = new TForm1(stage.session, stage, stage.store.mercator, stage.store.mainWindow,
                                    stage.parameters, stage.bitmaps);
        map.reset(mercator);
        destroy = [mercator] { mercator->FormDestroy(); };
        mercator->setCrosshairWindow(&crosshair);
        stage.setClientSize(360, 180);
        mercator->fillClientArea();
        mercator->RedrawMap();
    }
    void showBeam()
    {
        open(true);
        auto* beam = new TForm10(stage.session, stage, stage.store.beam, stage.store.mainWindow, stage.parameters,
                                 stage.bitmaps);
        map.reset(beam);
        destroy = [beam] { beam->FormDestroy(); };
        stage.setClientSize(300, 300);
        beam->fillClientArea();
        beam->RedrawBeamMap();
    }
    // Sends a mouse event at a position of the widget: on a screen of ratio r the mouse stands on
    // device pixels, 1/r of a widget pixel apart.
    void send(QEvent::Type type, QPointF position, Qt::MouseButton button = Qt::NoButton) const
    {
        QWidget* image = map->image();
        QMouseEvent event(type, position, image->mapToGlobal(position), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QApplication::sendEvent(image, &event);
    }
    // Rests the mouse on each device pixel of each widget pixel, then clicks it: what the panel
    // reads and the target made are those of the widget pixel at 1x.
    void expectTheSamePlaces(const std::vector<std::tuple<QPoint, const char*, const char*, GeoPosition>>& places)
    {
        const double ratio = screenRatio();
        ASSERT_EQ(map->image()->devicePixelRatioF(), ratio) << "the run has the ratio it was started with";
        EXPECT_EQ(map->image()->canvas().devicePixelRatio(), ratio) << "the picture is drawn at the ratio";
        for (const auto& [pixel, place, distance, target] : places)
            for (int step = 0; step < int(std::ceil(ratio)); ++step) {
                const QPointF mouse = QPointF(pixel) + QPointF(step, step) / ratio;
                SCOPED_TRACE(testing::Message() << mouse.x() << ',' << mouse.y() << " at ratio " << ratio);
                send(QEvent::MouseMove, mouse);
                EXPECT_EQ(stage.cursorPanel().line(0)->text().toStdString(), place);
                EXPECT_EQ(stage.cursorPanel().line(1)->text().toStdString(), distance);
                stage.session.clearTarget();
                send(QEvent::MouseButtonPress, mouse, Qt::LeftButton);
                send(QEvent::MouseButtonRelease, mouse, Qt::LeftButton);
                EXPECT_NEAR(stage.session.target().longitude, target.longitude, 0.006);
                EXPECT_NEAR(stage.session.target().latitude, target.latitude, 0.006);
            }
    }

    MapStage stage;
    QWidget crosshair;
    std::unique_ptr<MapWindow> map;
    std::function<void()> destroy;  // the map's own shut-down
};

// The places the mouse reads and clicks at 1x, in pixels of the widget.
TEST_F(ScreenRatioTest, TheMercatorMapReadsAndTakesTheSamePlacesAtEveryRatio)
{
    showMercator();
    expectTheSamePlaces({
        {{180, 90}, "0,00°O 0,00°N JJ00AA", "Entfernung: 5773,4Km", {0, 0}},
        {{270, 45}, "90,00°O 45,00°N NN55AA", "Entfernung: 5854,5Km", {90, 45}},
        {{1, 179}, "179,00°W 89,00°S AA01MA", "Entfernung: 15864,7Km", {-179, -89}},
    });
}

TEST_F(ScreenRatioTest, TheBeamMapReadsAndTakesTheSamePlacesAtEveryRatio)
{
    showBeam();
    expectTheSamePlaces({
        {{225, 150}, "97,04°O 0,00°N NJ80MA", "Entfernung: 10018,8Km", {97.0417, 0}},
        {{188, 111}, "118,55°O 47,02°N ON97GA", "Entfernung: 7273,9Km", {118.55, 47.02}},
    });
}

// The crosshair is a line one pixel of the widget wide, drawn on the screen's own pixels: as many
// as one widget pixel covers, not a 1x line scaled up, and where the target is.
TEST_F(ScreenRatioTest, OverlaysAreDrawnOnTheScreensOwnPixels)
{
    const double ratio = screenRatio();
    showMercator();
    crosshair.show();
    stage.session.setTarget(90, 45);  // 270 pixels from the left
    map->redrawIfShown();
    const QImage& canvas = map->image()->canvas();
    ASSERT_EQ(canvas.devicePixelRatio(), ratio);
    std::vector<int> redColumns;  // device pixels of one row
    const int row = int(10 * ratio);
    for (int x = 0; x < int(360 * ratio); ++x)
        if (canvas.pixel(x, row) == red)
            redColumns.push_back(x);
    ASSERT_EQ(int(redColumns.size()), int(std::ceil(ratio))) << "the crosshair's vertical line";
    EXPECT_GE(redColumns.front(), int(269 * ratio));
    EXPECT_LE(redColumns.back(), int(271 * ratio));
}

}  // namespace
