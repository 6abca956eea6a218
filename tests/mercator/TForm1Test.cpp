// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/ImageWidget.h"
#include "app/TFormA.h"
#include "entry/TForm4.h"
#include "mercator/MercatorPicture.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/DotLayer.h"
#include "support/RotorStateEdit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "widgets/MenuCaption.h"
#include "widgets/RadioGroup.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb weltColour = qRgb(200, 220, 255);
const QRgb europaColour = qRgb(120, 200, 120);
const QByteArray weltCalibration = "90.00N 180.00W\r\n90.00S 180.00E\r\n";
const QByteArray europaCalibration = "72.00N 25.00W\r\n34.00N 45.00E\r\n";

// Two small maps, Welt (the whole world, 360 x 180) and Europa, and a third whose calibration
// file holds a second point (Kanada.Nord.inf); the own station at 7.0417 E 51.5208 N; the
// reference country "Nullinsel" lies at 0, 0. The map is shown 600 x 300 pixels.
class TForm1Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        writeMap(QStringLiteral("Welt"), QSize(360, 180), weltColour, weltCalibration);
        writeMap(QStringLiteral("Europa"), QSize(140, 76), europaColour, europaCalibration);
        writeBitmap(QStringLiteral("Kanada"), QSize(100, 50), Qt::gray);
        folder.writeFile(QStringLiteral("Karten/Kanada.Nord.inf"), "70.00N 140.00W\r\n45.00N 50.00W\r\n");
        ini = "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n";
    }

    void writeBitmap(const QString& name, QSize size, QColor colour) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(folder.kartenPath(name + QStringLiteral(".bmp")), "BMP"));
    }

    void writeMap(const QString& name, QSize size, QRgb colour, const QByteArray& calibration) const
    {
        writeBitmap(name, size, QColor(colour));
        folder.writeFile(QStringLiteral("Karten/") + name + QStringLiteral(".inf"), calibration);
    }

    // Starts the run with the main window shown and the map at 600 x 300 pixels.
    void start()
    {
        folder.writeFile(QStringLiteral("Corvane.ini"), ini);
        folder.start();
        formA()->show();
        formA()->setClientSize(600, 300);
        ASSERT_TRUE(QTest::qWaitFor([] { return form1()->Karte->size() == QSize(600, 300); }, 3000));
        parameters()->setLocatorGrid(0);
        parameters()->setCitiesShown(ParameterSettings::OnOff::off);
        form1()->RedrawMap();
    }

    static QAction* mapItem(const QString& caption)
    {
        for (QAction* item : formA()->Karten1->actions())
            if (MenuCaption::shown(item->text()) == caption && item->objectName().startsWith(u'K'))
                return item;
        return nullptr;
    }

    static QImage shown() { return form1()->Karte->canvas().copy(0, 0, 600, 300); }

    static void drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mousePress(form1()->Karte, Qt::LeftButton, keys, from);
        QTest::mouseMove(form1()->Karte, to);
        QTest::mouseRelease(form1()->Karte, Qt::LeftButton, keys, to);
    }

    static int clickThreshold() { return QGuiApplication::primaryScreen()->size().width() / 20; }

    QByteArray ini;
    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

TEST_F(TForm1Test, StartLoadsTheSavedMapAndListsEveryMap)
{
    ini += "[Mercator]\r\naktuelle Karte=Europa\r\n";
    start();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Europa"));
    ASSERT_EQ(form1()->zoomDepth(), 1);
    EXPECT_DOUBLE_EQ(double(form1()->zoomStack[0].top), 72);
    EXPECT_DOUBLE_EQ(double(form1()->zoomStack[0].left), -25);
    EXPECT_EQ(shown().pixel(300, 150), europaColour);

    QStringList items;
    for (QAction* item : formA()->Karten1->actions())
        items << item->objectName() + u'=' + MenuCaption::shown(item->text()) +
                (item->isChecked() ? QStringLiteral("*") : QString());
    EXPECT_EQ(items, QStringList({QStringLiteral("ZoomMercator=Zoom -"), QStringLiteral("Leer=-------------"),
                                  QStringLiteral("K1=Europa*"), QStringLiteral("K2=Kanada"), QStringLiteral("K3=Welt")}));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(TForm1Test, ChoosingTheLoadedMapDoesNothingNotEvenARedraw)
{
    start();
    drag({100, 50}, {250, 120});
    ASSERT_EQ(form1()->zoomDepth(), 2);
    form1()->Karte->canvas().setPixel(5, 5, qRgb(1, 2, 3));
    mapItem(QStringLiteral("Welt"))->trigger();
    EXPECT_EQ(form1()->zoomDepth(), 2);
    EXPECT_EQ(shown().pixel(5, 5), qRgb(1, 2, 3));
}

TEST_F(TForm1Test, ChoosingAnotherMapLoadsItWholeAndMovesTheCheckMark)
{
    start();
    drag({100, 50}, {250, 120});
    mapItem(QStringLiteral("Europa"))->trigger();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Europa"));
    EXPECT_EQ(form1()->zoomDepth(), 1);
    EXPECT_FALSE(formA()->ZoomMercator->isVisible());
    EXPECT_EQ(shown().pixel(300, 150), europaColour);
    EXPECT_TRUE(mapItem(QStringLiteral("Europa"))->isChecked());
    EXPECT_FALSE(mapItem(QStringLiteral("Welt"))->isChecked());
}

TEST_F(TForm1Test, AMapWithAMissingFileIsNotLoaded)
{
    start();
    // Kanada.Nord.inf is listed as Kanada, and choosing it looks for Kanada.inf.
    mapItem(QStringLiteral("Kanada"))->trigger();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Welt"));
    EXPECT_EQ(form1()->mapBitmap.size(), QSize(360, 180));
    EXPECT_TRUE(mapItem(QStringLiteral("Kanada"))->isChecked());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    folder.writeFile(QStringLiteral("Karten/Kanada.inf"), "70.00N 140.00W\r\n45.00N 50.00W\r\n");
    mapItem(QStringLiteral("Kanada"))->trigger();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Kanada"));
}

TEST_F(TForm1Test, AMalformedCalibrationKeepsTheMapLoadedBefore)
{
    start();
    folder.writeFile(QStringLiteral("Karten/Europa.inf"), "72.00N\r\n34.00N 45.00E\r\n");
    drag({100, 50}, {250, 120});
    const MapView zoomed = form1()->zoomStack.back();
    mapItem(QStringLiteral("Europa"))->trigger();

    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|"))) << dialogs.shown[0].toStdString();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Welt"));
    EXPECT_EQ(form1()->mapBitmap.size(), QSize(360, 180));
    ASSERT_EQ(form1()->zoomDepth(), 2);
    EXPECT_EQ(form1()->zoomStack.back().left, zoomed.left);
    form1()->RedrawMap();
    EXPECT_EQ(shown().pixel(300, 150), weltColour);
}

TEST_F(TForm1Test, ABrokenDefaultMapAtStartLeavesAWorkingWindowWithoutMap)
{
    folder.writeFile(QStringLiteral("Karten/Welt.inf"), "kaputt\r\n");
    start();
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(session()->currentMapName().isEmpty());
    EXPECT_EQ(form1()->Karte->parentWidget(), formA()->clientArea());
    drag({100, 50}, {250, 120});  // no map: the mouse does nothing
    EXPECT_EQ(form1()->zoomDepth(), 0);

    mapItem(QStringLiteral("Europa"))->trigger();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Europa"));
    folder.stop();
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("aktuelle Karte=Europa"));
}

TEST_F(TForm1Test, AMissingSavedMapShowsTheWorldAndStaysTheSavedChoice)
{
    ini += "[Mercator]\r\naktuelle Karte=Asien\r\n";
    start();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Welt"));
    EXPECT_TRUE(form1()->hasMapBitmap());
    folder.stop();
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("aktuelle Karte=Asien\r\n"));
}

TEST_F(TForm1Test, DirectionLineMovesOnlyForAWholeDegree)
{
    start();
    const QImage withoutLine = shown();
    editRotorState([&](RotorState& r) { r.rotorAzimuth = 90; });
    form1()->DrawDirectionLine();
    ASSERT_TRUE(form1()->drawState().mercatorLineDrawn);
    const QImage at90 = shown();
    EXPECT_NE(at90, withoutLine);

    editRotorState([&](RotorState& r) { r.rotorAzimuth = 90.5; });
    form1()->DrawDirectionLine();
    EXPECT_EQ(shown(), at90);
    editRotorState([&](RotorState& r) { r.rotorAzimuth = 91; });
    form1()->DrawDirectionLine();
    EXPECT_NE(shown(), at90);
    EXPECT_DOUBLE_EQ(form1()->drawState().mercatorLineDirection.value_or(0), 91);

    form1()->EraseDirectionLine();
    EXPECT_FALSE(form1()->drawState().mercatorLineDrawn);
    EXPECT_EQ(shown(), withoutLine);
}

TEST_F(TForm1Test, RedrawPaintsTheDirectionLineAgain)
{
    start();
    editRotorState([&](RotorState& r) { r.rotorAzimuth = 270; });  // drawn as -90: westwards from the own station
    form1()->RedrawMap();
    EXPECT_TRUE(form1()->drawState().mercatorLineDrawn);
    EXPECT_DOUBLE_EQ(form1()->drawState().mercatorLineDirection.value_or(0), 270);
    // Point 90 of the line lies on the equator 90 degrees west of 7.0417 E: pixel (162, 150), inverted.
    const QRgb inverted = qRgb(255 - qRed(weltColour), 255 - qGreen(weltColour), 255 - qBlue(weltColour));
    EXPECT_NEAR(circleLongitude(form1()->drawState().directionLine, 90), -82.9583, 1e-6);
    EXPECT_EQ(shown().pixel(162, 150), inverted);
}

TEST_F(TForm1Test, OwnStationAtZeroZeroDrawsNoDirectionLineButTheTargetLine)
{
    ini = "[Locator]\r\nU_L\xe4nge=0\r\nU_Breite=0\r\n";
    start();
    editRotorState([&](RotorState& r) { r.rotorAzimuth = 45; });
    session()->setCrosshairColor(0x0000FF);  // red
    session()->setTarget(TargetInfo{90, 45, 45, 1000});
    form2()->show();
    form1()->RedrawMap();
    EXPECT_FALSE(form1()->drawState().mercatorLineDrawn);
    EXPECT_EQ(shown().pixel(450, 10), qRgb(255, 0, 0));  // crosshair at 90 E
    EXPECT_EQ(shown().pixel(10, 75), qRgb(255, 0, 0));   // and at 45 N
}

TEST_F(TForm1Test, GridFollowsTheParameterWindow)
{
    start();
    parameters()->setLocatorGrid(1);  // "grob": every 20 and 10 degrees
    form1()->RedrawMap();
    const QImage picture = shown();
    EXPECT_EQ(picture.pixel(100, 5), qRgb(0, 0, 0));    // 60 W
    EXPECT_EQ(picture.pixel(50, 17), qRgb(0, 0, 0));    // 80 N
    EXPECT_EQ(picture.pixel(110, 5), weltColour);
    EXPECT_EQ(picture.pixel(0, 5), weltColour);         // the map's edge carries no line
}

TEST_F(TForm1Test, CursorPanelDescribesThePointUnderTheMouse)
{
    start();
    parameters()->setMousePositionShown(ParameterSettings::OnOff::on);
    QTest::mouseMove(form1()->Karte, QPoint(300, 150));  // 0 E, 0 N
    EXPECT_EQ(formA()->Label1->text(), QStringLiteral("0,00°O 0,00°N JJ00AA"));
    // Distance and bearing from an independent spherical computation: 5773.43 km, 188.97 degrees.
    EXPECT_EQ(formA()->Label2->text(), QStringLiteral("Entfernung: 5773,4Km"));
    EXPECT_EQ(formA()->Label3->text(), QStringLiteral("Antennenwinkel: 189°"));
    EXPECT_EQ(formA()->Label4->text(), QStringLiteral("Nullinsel"));
    EXPECT_TRUE(formA()->P_Cursor->isVisible());
    EXPECT_EQ(formA()->P_Cursor->pos(), QPoint(310, 160));

    QTest::mouseMove(form1()->Karte, QPoint(590, 295));  // near the corner: the panel moves to the other side
    EXPECT_EQ(formA()->Label1->text().left(16), QStringLiteral("174,00°O 87,00°S"));
    EXPECT_EQ(formA()->P_Cursor->pos(), QPoint(590 - 144 - 10, 295 - 59 - 10));
    EXPECT_TRUE(QTest::qWaitFor([] { return formA()->P_Cursor->isHidden(); }, 2000));
}

TEST_F(TForm1Test, CursorPanelStaysHiddenWhenSwitchedOff)
{
    start();
    parameters()->setMousePositionShown(ParameterSettings::OnOff::off);
    QTest::mouseMove(form1()->Karte, QPoint(300, 150));
    EXPECT_FALSE(formA()->P_Cursor->isVisible());
    EXPECT_EQ(formA()->Label4->text(), QStringLiteral("Nullinsel"));
}

TEST_F(TForm1Test, LayersAreDrawnWhereTheProjectionPutsThem)
{
    start();
    const DotLayer layer({90, 45});
    form1()->addLayer(layer);
    form1()->RedrawMap();
    EXPECT_EQ(shown().pixel(450, 75), qRgb(255, 0, 0));  // 600 x 300 pixels for the whole world
    EXPECT_EQ(shown().pixel(451, 75), weltColour);
}

TEST_F(TForm1Test, ClickMakesThePointTheTarget)
{
    start();
    session()->setCrosshairColor(0x0000FF);
    form4()->show();
    QTest::mouseClick(form1()->Karte, Qt::LeftButton, Qt::NoModifier, QPoint(450, 75));  // 90 E, 45 N
    EXPECT_DOUBLE_EQ(session()->target().longitude, 90);
    EXPECT_DOUBLE_EQ(session()->target().latitude, 45);
    EXPECT_NEAR(session()->target().bearing, 62.065, 1e-3);
    EXPECT_NEAR(session()->target().distance, 5854.53, 1e-2);
    EXPECT_TRUE(form2()->isVisible());
    EXPECT_FALSE(form4()->isVisible());
    EXPECT_EQ(shown().pixel(450, 290), qRgb(255, 0, 0));
    EXPECT_EQ(form1()->zoomDepth(), 1);
}

TEST_F(TForm1Test, DragZoomsInAndRightClickZoomsOut)
{
    start();
    QTest::mouseClick(form1()->Karte, Qt::RightButton);  // on the whole map: nothing
    EXPECT_EQ(form1()->zoomDepth(), 1);

    drag({100, 50}, {250, 120});  // 120 W .. 30 W, 60 N .. 15 N
    ASSERT_EQ(form1()->zoomDepth(), 2);
    EXPECT_NEAR(double(form1()->zoomStack.back().left), -120, 1e-12);
    EXPECT_TRUE(formA()->ZoomMercator->isVisible());

    drag({1, 1}, {301, 151});
    EXPECT_EQ(form1()->zoomDepth(), 3);
    QTest::mouseClick(form1()->Karte, Qt::RightButton);
    formA()->ZoomMercator->trigger();
    EXPECT_EQ(form1()->zoomDepth(), 1);
    EXPECT_FALSE(formA()->ZoomMercator->isVisible());
}

TEST_F(TForm1Test, DragShowsOneFocusRectangleThatFollowsTheMouse)
{
    start();
    const QImage before = shown();
    QTest::mousePress(form1()->Karte, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QTest::mouseMove(form1()->Karte, QPoint(200, 120));
    QTest::mouseMove(form1()->Karte, QPoint(250, 120));
    QImage expected = before;
    MercatorPicture(expected, QSize(600, 300), form1()->zoomStack.back()).invertFocusRect(QRect(100, 50, 150, 75));
    EXPECT_EQ(shown(), expected);
    QTest::mouseRelease(form1()->Karte, Qt::LeftButton, Qt::NoModifier, QPoint(250, 120));
}

TEST_F(TForm1Test, ModifiedDragNeitherMovesThePanelNorDrawsARectangle)
{
    start();
    const QImage before = shown();
    const QPoint panel = formA()->P_Cursor->pos();
    for (const Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier}) {
        QTest::mousePress(form1()->Karte, Qt::LeftButton, key, QPoint(100, 50));
        QTest::mouseEvent(QTest::MouseMove, form1()->Karte, Qt::NoButton, key, QPoint(250, 120));
        EXPECT_EQ(shown(), before) << key;
        EXPECT_EQ(formA()->P_Cursor->pos(), panel) << key;
        QTest::mouseRelease(form1()->Karte, Qt::LeftButton, key, QPoint(100, 50));
        form2()->hide();
        form1()->RedrawMap();
    }
}

TEST_F(TForm1Test, TooNarrowARectangleIsRefused)
{
    start();
    const int width = clickThreshold();
    if (width >= 48)
        GTEST_SKIP() << "on this screen every rectangle narrower than 8 % of the map counts as a click";
    const QImage before = shown();
    drag({100, 50}, {100 + width, 60});
    EXPECT_EQ(form1()->zoomDepth(), 1);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("information|")));
    EXPECT_TRUE(dialogs.shown[0].endsWith(QStringLiteral("|zu großer Zoomfaktor")));
    EXPECT_EQ(shown(), before);
}

} // namespace

namespace {

// Map names stored with another letter case find their files; a stored map that cannot be loaded
// gives way to the world map, with the check mark on what is shown.
TEST_F(TForm1Test, StoredMapNamesIgnoreLetterCaseAndAMissingMapFallsBackToTheWorld)
{
    const struct {
        const char* stored;
        const char* loaded;
    } cases[] = {{"europa", "Europa"}, {"EUROPA", "Europa"}, {"welt", "Welt"}, {"Atlantis", "Welt"}, {"Kanada", "Welt"}};
    const QByteArray base = ini;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ini = base + "[Mercator]\r\naktuelle Karte=" + c.stored + "\r\n";
        start();
        EXPECT_EQ(session()->currentMapName(), QString::fromUtf8(c.loaded));
        EXPECT_TRUE(mapItem(QString::fromUtf8(c.loaded))->isChecked());
        EXPECT_NE(shown().pixel(300, 150), qRgb(0, 0, 0));
        folder.stop();
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

} // namespace
