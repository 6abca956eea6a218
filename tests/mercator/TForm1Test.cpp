// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/TForm1.h"
#include "readout/CursorPanel.h"
#include "support/DotLayer.h"
#include "geo/SwitchedLayer.h"
#include "sun/GreylineLayer.h"
#include "support/MapStage.h"
#include "support/NightDifference.h"
#include "support/RotorStateEdit.h"
#include "support/ScriptedDialogs.h"
#include "widgets/ImageWidget.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <tuple>

namespace {

const QRgb weltColour = qRgb(200, 220, 255);
const QRgb europaColour = qRgb(120, 200, 120);
const QRgb red = qRgb(255, 0, 0);
const QByteArray weltCalibration = "90.00N 180.00W\r\n90.00S 180.00E\r\n";
const QByteArray europaCalibration = "72.00N 25.00W\r\n34.00N 45.00E\r\n";

QRgb inverted(QRgb colour)
{
    return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
}

// The Mercator map window alone. Two small maps, Welt (the whole world, 360 x 180) and Europa,
// and a third whose calibration file holds a second point (Kanada.Nord.inf); the own station at
// 7.0417 E 51.5208 N; the reference country "Nullinsel" lies at 0, 0. The map is shown 600 x 300
// pixels, without grid and cities.
class TForm1Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        writeMaps();
        ini = "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n";
    }
    void TearDown() override { stop(); }
    void writeMaps() const
    {
        writeMap(QStringLiteral("Welt"), QSize(360, 180), weltColour, weltCalibration);
        writeMap(QStringLiteral("Europa"), QSize(140, 76), europaColour, europaCalibration);
        writeMap(QStringLiteral("Kanada"), QSize(100, 50), qRgb(128, 128, 128));
        stage->folder.writeFile(QStringLiteral("Karten/Kanada.Nord.inf"), "70.00N 140.00W\r\n45.00N 50.00W\r\n");
    }
    // A map bitmap of one colour, with its calibration file unless that is empty.
    void writeMap(const QString& name, QSize size, QRgb colour, const QByteArray& calibration = {}) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(stage->folder.kartenPath(name + QStringLiteral(".bmp")), "BMP"));
        if (!calibration.isEmpty())
            stage->folder.writeFile(QStringLiteral("Karten/") + name + QStringLiteral(".inf"), calibration);
    }
    // Builds the map over the settings, without grid and cities.
    void start()
    {
        stage->open(ini);
        map = std::make_unique<TForm1>(stage->session, *stage, stage->store.mercator, stage->store.mainWindow,
                                       stage->parameters, stage->bitmaps);
        map->setCrosshairWindow(&crosshair);
        stage->setClientSize(600, 300);
        map->fillClientArea();
        stage->parameters.setLocatorGrid(0);
        stage->parameters.setCitiesShown(ParameterSettings::OnOff::off);
        map->RedrawMap();
    }
    void stop()
    {
        if (map)
            stage->close([this] { map->FormDestroy(); });
        map.reset();
    }
    QAction* mapItem(const char* caption) const
    {
        for (QAction* item : map->mapItems())
            if (item->text() == QLatin1String(caption))
                return item;
        return nullptr;
    }
    QImage shown() const { return map->image()->canvas().copy(0, 0, 600, 300); }
    QLabel* line(int index) const { return stage->cursorPanel().line(index); }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier) const
    {
        QTest::mousePress(map->image(), Qt::LeftButton, keys, from);
        QTest::mouseMove(map->image(), to);
        QTest::mouseRelease(map->image(), Qt::LeftButton, keys, to);
    }

    QByteArray ini;
    ScriptedDialogs dialogs;
    std::unique_ptr<MapStage> stage = std::make_unique<MapStage>();
    QWidget crosshair;  // the crosshair data window: the target is drawn while it is shown
    std::unique_ptr<TForm1> map;
};

// Choosing the loaded map does nothing, not even a redraw; a map that cannot be loaded leaves the
// map loaded before; another map is loaded whole.
TEST_F(TForm1Test, ChoosingAMapLoadsItWholeOrLeavesTheMapLoadedBefore)
{
    start();
    drag({100, 50}, {250, 120});
    ASSERT_EQ(map->zoomDepth(), 2);
    const MapView zoomed = map->shownView();
    map->image()->canvas().setPixel(5, 5, qRgb(1, 2, 3));
    mapItem("Welt")->trigger();
    EXPECT_EQ(map->zoomDepth(), 2);
    EXPECT_EQ(shown().pixel(5, 5), qRgb(1, 2, 3));
    // Kanada.Nord.inf is listed as Kanada, and choosing it looks for Kanada.inf: no box.
    mapItem("Kanada")->trigger();
    EXPECT_TRUE(mapItem("Kanada")->isChecked());
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // A malformed calibration is reported.
    stage->folder.writeFile(QStringLiteral("Karten/Europa.inf"), "72.00N\r\n34.00N 45.00E\r\n");
    mapItem("Europa")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|"))) << dialogs.shown[0].toStdString();
    EXPECT_EQ(stage->session.currentMapName(), QStringLiteral("Welt"));
    EXPECT_EQ(map->bitmapSize(), QSize(360, 180));
    ASSERT_EQ(map->zoomDepth(), 2);
    EXPECT_EQ(map->shownView().left, zoomed.left);
    map->RedrawMap();
    EXPECT_EQ(shown().pixel(300, 150), weltColour);
    stage->folder.writeFile(QStringLiteral("Karten/Europa.inf"), europaCalibration);
    mapItem("Europa")->trigger();
    EXPECT_EQ(stage->session.currentMapName(), QStringLiteral("Europa"));
    EXPECT_EQ(map->zoomDepth(), 1);
    EXPECT_FALSE(stage->zoomOutShown);
    EXPECT_EQ(shown().pixel(300, 150), europaColour);
    EXPECT_TRUE(mapItem("Europa")->isChecked());
    EXPECT_FALSE(mapItem("Welt")->isChecked());
    stage->folder.writeFile(QStringLiteral("Karten/Kanada.inf"), "70.00N 140.00W\r\n45.00N 50.00W\r\n");
    mapItem("Kanada")->trigger();
    EXPECT_EQ(stage->session.currentMapName(), QStringLiteral("Kanada"));
}

TEST_F(TForm1Test, ABrokenDefaultMapAtStartLeavesAWorkingWindowWithoutMap)
{
    stage->folder.writeFile(QStringLiteral("Karten/Welt.inf"), "kaputt\r\n");
    start();
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(stage->session.currentMapName().isEmpty());
    EXPECT_EQ(map->image()->parentWidget(), stage->clientArea());
    drag({100, 50}, {250, 120});  // no map: the mouse does nothing
    EXPECT_EQ(map->zoomDepth(), 0);
    mapItem("Europa")->trigger();
    EXPECT_EQ(stage->session.currentMapName(), QStringLiteral("Europa"));
    stop();
    EXPECT_TRUE(stage->folder.readFile(QStringLiteral("Corvane.ini")).contains("aktuelle Karte=Europa"));
}

// The map follows the rotor's statuses: the line moves only for a whole degree, one without a
// reading erases it, and a redraw paints it again.
TEST_F(TForm1Test, DirectionLineFollowsTheStatusesAndARedrawPaintsItAgain)
{
    start();
    const QImage withoutLine = shown();
    const auto rotorAt = [this](std::optional<double> azimuth) {
        editRotorState(stage->session, [&](RotorState& r) { r.rotorAzimuth = azimuth; });
        emit stage->session.rotorStatusChanged();
    };
    rotorAt(90);
    ASSERT_TRUE(map->drawState().mercatorLineDrawn);
    const QImage at90 = shown();
    EXPECT_NE(at90, withoutLine);
    rotorAt(90.5);
    EXPECT_EQ(shown(), at90);
    rotorAt(91);
    EXPECT_NE(shown(), at90);
    EXPECT_DOUBLE_EQ(map->drawState().mercatorLineDirection.value_or(0), 91);
    rotorAt(std::nullopt);
    EXPECT_FALSE(map->drawState().mercatorLineDrawn);
    EXPECT_EQ(shown(), withoutLine);
    // A redraw paints the line again, westwards from the own station.
    editRotorState(stage->session, [&](RotorState& r) { r.rotorAzimuth = 270; });
    map->RedrawMap();
    EXPECT_TRUE(map->drawState().mercatorLineDrawn);
    EXPECT_DOUBLE_EQ(map->drawState().mercatorLineDirection.value_or(0), 270);
    // Point 90 of the line lies on the equator 90 degrees west of 7.0417 E: pixel (162, 150), inverted.
    EXPECT_EQ(shown().pixel(162, 150), inverted(weltColour));
}

TEST_F(TForm1Test, OwnStationAtZeroZeroDrawsNoDirectionLineButTheTargetLine)
{
    ini = "[Locator]\r\nU_L\xe4nge=0\r\nU_Breite=0\r\n";
    start();
    editRotorState(stage->session, [&](RotorState& r) { r.rotorAzimuth = 45; });
    stage->session.setCrosshairColor(0x0000FF);  // red
    stage->session.setTarget(TargetInfo {90, 45, 45, 1000});
    crosshair.show();
    map->RedrawMap();
    EXPECT_FALSE(map->drawState().mercatorLineDrawn);
    EXPECT_EQ(shown().pixel(450, 10), red);  // crosshair at 90 E
    EXPECT_EQ(shown().pixel(10, 75), red);   // and at 45 N
}

TEST_F(TForm1Test, GridFollowsTheParametersAndLayersAreDrawnWhereTheProjectionPutsThem)
{
    start();
    stage->parameters.setLocatorGrid(1);  // "grob": every 20 and 10 degrees
    const DotLayer layer({90, 45});
    map->addLayer(layer);
    map->RedrawMap();
    const QImage picture = shown();
    // Where the lines of each grid lie is the picture's test; here one line of "grob" and one space.
    EXPECT_EQ(picture.pixel(100, 5), qRgb(0, 0, 0));  // 60 W
    EXPECT_EQ(picture.pixel(110, 5), weltColour);
    EXPECT_EQ(picture.pixel(450, 75), red);  // 600 x 300 pixels for the whole world
    EXPECT_EQ(picture.pixel(451, 75), weltColour);
}

// With the night shading on, the target's path and crosshair keep their colour: they are drawn over
// the night, not under it (2026-12-21 20:00 UTC, the path to central Asia all in the dark).
TEST_F(TForm1Test, TheTargetsPathKeepsItsColourOverTheNight)
{
    start();
    bool night = false;
    const GreylineLayer shading([] { return 1797883200.0; });
    const SwitchedLayer switched(shading, [&night] { return night; });
    map->addLayer(switched);
    stage->session.setCrosshairColor(0xFF00FF);  // magenta
    stage->session.setTarget(100, 40);
    crosshair.show();
    map->RedrawMap();
    const QImage day = shown();
    night = true;
    map->RedrawMap();
    const NightDifference difference = NightDifference::of(day, shown(), qRgb(255, 0, 255));
    EXPECT_GT(difference.marked, 500);
    EXPECT_EQ(difference.kept, difference.marked);
    EXPECT_GT(difference.darkened, 50000) << "the night is shaded";
}

TEST_F(TForm1Test, CursorPanelDescribesThePointUnderTheMouse)
{
    start();
    stage->parameters.setMousePositionShown(ParameterSettings::OnOff::on);
    const CursorPanel& panel = stage->cursorPanel();
    QTest::mouseMove(map->image(), QPoint(300, 150));  // 0 E, 0 N
    EXPECT_EQ(line(0)->text(), QStringLiteral("0,00°O 0,00°N JJ00AA"));
    // Distance and bearing from an independent spherical computation: 5773.43 km, 188.97 degrees.
    EXPECT_EQ(line(1)->text(), QStringLiteral("Entfernung: 5773,4Km"));
    EXPECT_EQ(line(2)->text(), QStringLiteral("Antennenwinkel: 189°"));
    EXPECT_EQ(line(3)->text(), QStringLiteral("Nullinsel"));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.pos(), QPoint(310, 160));
    QTest::mouseMove(map->image(), QPoint(590, 295));  // near the corner: the panel moves to the other side
    EXPECT_EQ(line(0)->text().left(16), QStringLiteral("174,00°O 87,00°S"));
    EXPECT_EQ(panel.pos(), QPoint(590 - 144 - 10, 295 - 59 - 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.isHidden(); }, 2000));
    // "Aus": the lines follow the mouse, the panel stays hidden.
    stage->parameters.setMousePositionShown(ParameterSettings::OnOff::off);
    QTest::mouseMove(map->image(), QPoint(300, 150));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(line(0)->text(), QStringLiteral("0,00°O 0,00°N JJ00AA"));
}

TEST_F(TForm1Test, ClickMakesThePointTheTarget)
{
    start();
    stage->session.setCrosshairColor(0x0000FF);
    QSignalSpy clicked(map.get(), &TForm1::targetClicked);
    QTest::mouseClick(map->image(), Qt::LeftButton, Qt::NoModifier, QPoint(450, 75));  // 90 E, 45 N
    EXPECT_DOUBLE_EQ(stage->session.target().longitude, 90);
    EXPECT_DOUBLE_EQ(stage->session.target().latitude, 45);
    EXPECT_NEAR(stage->session.target().bearing, 62.065, 1e-3);
    EXPECT_NEAR(stage->session.target().distance, 5854.53, 1e-2);
    EXPECT_EQ(clicked.count(), 1) << "the entry window closes, the crosshair window opens";
    crosshair.show();
    map->RedrawMap();
    EXPECT_EQ(shown().pixel(450, 290), red);
    EXPECT_EQ(map->zoomDepth(), 1);
}

TEST_F(TForm1Test, DragZoomsInAndRightClickZoomsOut)
{
    start();
    QTest::mouseClick(map->image(), Qt::RightButton);  // on the whole map: nothing
    EXPECT_EQ(map->zoomDepth(), 1);
    drag({100, 50}, {250, 120});  // 120 W .. 30 W, 60 N .. 15 N
    ASSERT_EQ(map->zoomDepth(), 2);
    EXPECT_NEAR(double(map->shownView().left), -120, 1e-12);
    EXPECT_TRUE(stage->zoomOutShown);
    drag({1, 1}, {301, 151});
    EXPECT_EQ(map->zoomDepth(), 3);
    QTest::mouseClick(map->image(), Qt::RightButton);
    map->Zoom1Click();  // the menu's "Zoom -"
    EXPECT_EQ(map->zoomDepth(), 1);
    EXPECT_FALSE(stage->zoomOutShown);
}

// The rectangle from (100, 50) to the mouse at (250, 120) is 150 pixels wide and half as high:
// its dotted outline, every second or third pixel, is inverted, and nothing else of the picture,
// not even where the mouse passed before.
TEST_F(TForm1Test, DragShowsOneFocusRectangleThatFollowsTheMouse)
{
    start();
    const QImage before = shown();
    QTest::mousePress(map->image(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QTest::mouseMove(map->image(), QPoint(200, 120));
    QTest::mouseMove(map->image(), QPoint(250, 120));
    const QImage after = shown();
    int changed[4] = {};  // on the left, right, top and bottom side
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 600; ++x) {
            const bool sides[] = {x == 100 && y >= 50 && y < 125, x == 249 && y >= 50 && y < 125,
                                  y == 50 && x >= 100 && x < 250, y == 124 && x >= 100 && x < 250};
            const bool onOutline = sides[0] || sides[1] || sides[2] || sides[3];
            const QRgb pixel = after.pixel(x, y);
            EXPECT_TRUE(pixel == before.pixel(x, y) || (onOutline && pixel == inverted(before.pixel(x, y))))
                << x << ", " << y;
            for (int side = 0; side < 4; ++side)
                changed[side] += sides[side] && after.pixel(x, y) == inverted(before.pixel(x, y));
        }
    for (int side = 0; side < 4; ++side)
        EXPECT_GE(changed[side], (side < 2 ? 75 : 150) / 3) << side;
    QTest::mouseRelease(map->image(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 120));
}

TEST_F(TForm1Test, ModifiedDragNeitherMovesThePanelNorDrawsARectangle)
{
    start();
    const QImage before = shown();
    const QPoint panel = stage->cursorPanel().pos();
    for (const Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier}) {
        QTest::mousePress(map->image(), Qt::LeftButton, key, QPoint(100, 50));
        QTest::mouseEvent(QTest::MouseMove, map->image(), Qt::NoButton, key, QPoint(250, 120));
        EXPECT_EQ(shown(), before) << key;
        EXPECT_EQ(stage->cursorPanel().pos(), panel) << key;
        QTest::mouseRelease(map->image(), Qt::LeftButton, key, QPoint(100, 50));
        map->RedrawMap();
    }
}

TEST_F(TForm1Test, TooNarrowARectangleIsRefused)
{
    start();
    const int width = QGuiApplication::primaryScreen()->size().width() / 20;
    if (width >= 48)
        GTEST_SKIP() << "on this screen every rectangle narrower than 8 % of the map counts as a click";
    const QImage before = shown();
    drag({100, 50}, {100 + width, 60});
    EXPECT_EQ(map->zoomDepth(), 1);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("information|")));
    EXPECT_TRUE(dialogs.shown[0].endsWith(QStringLiteral("|zu großer Zoomfaktor")));
    EXPECT_EQ(shown(), before);
}

// The stored map is loaded whole at start and listed checked among every map. Map names stored
// with another letter case find their files; a stored map that cannot be loaded gives way to the
// world map, with the check mark on what is shown, and stays the saved choice, so that it is tried
// again next time. Each case is a run of its own.
TEST_F(TForm1Test, StartLoadsTheStoredMapIgnoringLetterCaseOrFallsBackToTheWorld)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Europa", "Europa", "Europa"}, {"europa", "Europa", "Europa"},   {"EUROPA", "Europa", "Europa"},
        {"welt", "Welt", "Welt"},       {"Atlantis", "Welt", "Atlantis"}, {"Kanada", "Welt", "Kanada"},
    };
    const QByteArray base = ini;
    for (const auto& [stored, loaded, saved] : cases) {
        SCOPED_TRACE(stored);
        stage = std::make_unique<MapStage>();
        writeMaps();
        ini = base + "[Mercator]\r\naktuelle Karte=" + stored + "\r\n";
        start();
        const bool europa = QByteArray(loaded) == "Europa";
        EXPECT_EQ(stage->session.currentMapName(), QString::fromUtf8(loaded));
        ASSERT_EQ(map->zoomDepth(), 1);
        EXPECT_DOUBLE_EQ(double(map->shownView().top), europa ? 72 : 90);
        EXPECT_DOUBLE_EQ(double(map->shownView().left), europa ? -25 : -180);
        EXPECT_EQ(shown().pixel(300, 150), europa ? europaColour : weltColour);
        EXPECT_FALSE(stage->zoomOutShown);
        QStringList items;
        for (QAction* item : stage->menu.actions())
            items << item->objectName() + u'=' + item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
        EXPECT_EQ(items.join(u' '), europa ? "K1=Europa* K2=Kanada K3=Welt" : "K1=Europa K2=Kanada K3=Welt*");
        stop();
        EXPECT_TRUE(stage->folder.readFile("Corvane.ini").contains("aktuelle Karte=" + QByteArray(saved) + "\r\n"));
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// A new display deviation turns the antenna line (degrees); a new marker size redraws the map.
TEST_F(TForm1Test, DisplayDeviationAndMarkerSizeRedrawTheShownMap)
{
    start();
    editRotorState(stage->session, [&](RotorState& r) { r.rotorAzimuth = 90; });
    stage->parameters.setDisplayOffsetText(QStringLiteral("-2.5"));
    EXPECT_DOUBLE_EQ(map->drawState().mercatorLineDirection.value_or(0), 87.5);
    map->image()->canvas().setPixel(3, 3, qRgb(1, 2, 3));  // gone after a redraw
    stage->parameters.setCityMarkerSize(7);
    EXPECT_NE(shown().pixel(3, 3), qRgb(1, 2, 3));
}

// At start the bitmap is decoded after the main window's first paint, or when a hidden map is
// shown before; the pictures of a map shown at start come from its file until then.
TEST_F(TForm1Test, AtStartTheMapIsDecodedAfterTheFirstPaintOrWhenShownBefore)
{
    const QByteArray base = ini;
    for (const auto& [name, shownAtStart, paintFirst] :
         {std::tuple("hidden, first paint", "0", true), std::tuple("hidden, shown before", "0", false),
          std::tuple("shown, first paint", "1", true)}) {
        SCOPED_TRACE(name);
        stage = std::make_unique<MapStage>();
        writeMaps();
        stage->open(base + "[Main]\r\nMercatorkarte=" + shownAtStart + "\r\n[Mercator]\r\naktuelle Karte=Europa\r\n");
        map = std::make_unique<TForm1>(stage->session, *stage, stage->store.mercator, stage->store.mainWindow,
                                       stage->parameters, stage->bitmaps);
        EXPECT_EQ(stage->session.currentMapName(), QStringLiteral("Europa"));
        EXPECT_TRUE(map->mapBitmap().isNull());
        EXPECT_EQ(map->bitmapSize(), QSize(140, 76));
        if (*shownAtStart == '1') {
            stage->setClientSize(600, 300);
            map->fillClientArea();
            EXPECT_EQ(shown().pixel(300, 150), europaColour);
            EXPECT_TRUE(map->mapBitmap().isNull());
        }
        if (paintFirst)
            stage->clientArea()->show();
        else
            map->setMapShown(true);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !map->mapBitmap().isNull(); }, 5000));
        EXPECT_EQ(map->mapBitmap().pixel(70, 38), europaColour);
        stop();
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

}  // namespace
