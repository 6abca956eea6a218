// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/ImageWidget.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "beam/AzimuthalProjection.h"
#include "beam/BeamMapCache.h"
#include "beam/BeamView.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "geo/MapTransforms.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/DotLayer.h"
#include "support/Controls.h"
#include "support/FileSizeLimit.h"
#include "support/RotorStateEdit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "widgets/RadioGroup.h"

#include "NumberedWorld.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb grey = qRgb(200, 200, 200);        // the cached beam bitmap of the view tests
const QRgb magenta = qRgb(255, 0, 255);       // crosshair colour
const unsigned magentaWindows = 0x00FF00FFu;  // the same as 0x00BBGGRR
const QRgb black = qRgb(0, 0, 0);
const QRgb red = qRgb(255, 0, 0);
constexpr int shownSide = 400;  // pixels of the shown image
constexpr int centre = shownSide / 2;
const GeoPosition own{7.0417, 51.5208};
const MapView wholeWorld{90, -90, 180, -180};

class TForm10Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        ASSERT_TRUE(world.save(folder.kartenPath(QStringLiteral("Welt.bmp")), "BMP"));
        folder.writeFile(QStringLiteral("Karten/Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
        ini = "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n";
    }

    // A grey cached bitmap, recorded as made for the own station unless told otherwise.
    void writeBeamBitmap(QSize size = {500, 500}, bool recorded = true)
    {
        QImage bitmap(size, QImage::Format_RGB32);
        bitmap.fill(grey);
        ASSERT_TRUE(bitmap.save(folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
        if (recorded)
            ini += "[Beam]\r\nMittelpunkt_L\xe4nge=7.0417\r\nMittelpunkt_Breite=51.5208\r\n";
    }

    // The pixel a built beam bitmap shows at its centre: the world map's at the own station.
    QRgb worldPixelAt(const GeoPosition& position) const
    {
        return world.pixel(lonToMapBitmapX(wholeWorld, 360, position.longitude),
                           latToMapBitmapY(wholeWorld, 180, position.latitude));
    }

    void start(const QByteArray& more = {})
    {
        folder.writeFile(QStringLiteral("Corvane.ini"), ini + more);
        folder.start();
        formA()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(formA()));
    }

    // Starts with the cached grey bitmap shown 400 x 400 pixels, no cities, crosshair magenta.
    void startOnBeamMap(const QByteArray& more = {})
    {
        writeBeamBitmap();
        start("[Main]\r\nMercatorkarte=0\r\n" + more);
        formA()->setClientSize(shownSide, shownSide);
        ASSERT_TRUE(QTest::qWaitFor([] { return form10()->BeamKarte->size() == QSize(shownSide, shownSide); }, 3000));
        parameters()->setCitiesShown(ParameterSettings::OnOff::off);
        parameters()->setMousePositionShown(ParameterSettings::OnOff::on);
        session()->setCrosshairColor(magentaWindows);
        form10()->RedrawBeamMap();
    }

    // The file is written after the picture is shown; true once the position beside it is recorded.
    static bool recordedAs(const GeoPosition& position)
    {
        return QTest::qWaitFor([&] {
            const std::optional<GeoPosition> recorded = BeamMapCache::recordedPosition(*session()->iniFile());
            return recorded && recorded->longitude == position.longitude && recorded->latitude == position.latitude;
        }, 5000);
    }

    static QImage shown() { return form10()->BeamKarte->canvas().copy(0, 0, shownSide, shownSide); }
    static BeamView view() { return BeamView(shownSide, form10()->beamBitmap.width(), form10()->zoomMargin); }
    static int count(const QImage& image, QRgb colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }

    QImage world = numberedWorld();
    QByteArray ini;
    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

TEST_F(TForm10Test, WithoutACacheFileTheBeamMapIsBuiltInPlaceAndShown)
{
    QImage europe(70, 38, QImage::Format_RGB32);
    europe.fill(Qt::darkGreen);
    ASSERT_TRUE(europe.save(folder.kartenPath(QStringLiteral("Europa.bmp")), "BMP"));
    folder.writeFile(QStringLiteral("Karten/Europa.inf"), "72.00N 25.00W\r\n34.00N 45.00E\r\n");
    start("[Mercator]\r\naktuelle Karte=Europa\r\n");
    session()->setCrosshairColor(magentaWindows);
    form10()->beamBitmapSize = 300;
    formA()->Beamkarte1Click();

    ASSERT_TRUE(recordedAs(session()->ownPosition()));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
    EXPECT_EQ(session()->currentMapName(), QStringLiteral("Europa")) << "the Mercator window keeps its map";
    QImage saved;
    ASSERT_TRUE(saved.load(form10()->beamMapPath(), "BMP"));
    ASSERT_EQ(saved.size(), QSize(300, 300));
    EXPECT_EQ(saved.pixel(150, 150), worldPixelAt(own));
    EXPECT_EQ(saved.pixel(150, 150 - 30), magenta) << "the north polar cap";
    EXPECT_EQ(saved.pixel(150, 0), black) << "the rim";
    EXPECT_EQ(saved.pixel(0, 0), QApplication::palette().color(QPalette::Button).rgb());
    EXPECT_TRUE(form10()->beamMapLoaded);
    EXPECT_TRUE(form1()->Karte->isHidden());
    EXPECT_FALSE(form10()->BeamKarte->isHidden());
    EXPECT_EQ(QSize(formA()->clientWidth(), formA()->clientHeight()), form10()->BeamKarte->size());
    EXPECT_EQ(form10()->BeamKarte->size(), QSize(500, 500)) << "building leaves the image at its size";
    EXPECT_TRUE(formA()->isVisible()) << "the program goes on";
}

TEST_F(TForm10Test, ACacheWithoutRecordedPositionIsBuiltAnewOnce)
{
    writeBeamBitmap({300, 300}, false);
    start();
    form10()->beamBitmapSize = 300;
    ASSERT_EQ(form10()->beamBitmap.pixel(150, 150), grey);
    formA()->Beamkarte1Click();
    EXPECT_EQ(form10()->beamBitmap.pixel(150, 150), worldPixelAt(own));
    ASSERT_TRUE(recordedAs(own));
    const QDateTime built = QFileInfo(form10()->beamMapPath()).lastModified();

    // Marked, so that a second build would show.
    form10()->beamBitmap.setPixel(150, 150, grey);
    form10()->RedrawBeamMap();
    formA()->Karten1Click();
    formA()->Beamkarte1Click();
    EXPECT_EQ(form10()->beamBitmap.pixel(150, 150), grey);
    EXPECT_EQ(QFileInfo(form10()->beamMapPath()).lastModified(), built);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
}

TEST_F(TForm10Test, ANewOwnPositionWhileTheBeamMapIsShownRebuildsIt)
{
    startOnBeamMap();
    form10()->beamBitmapSize = 300;
    ASSERT_EQ(form10()->beamBitmap.pixel(250, 250), grey) << "the cache recorded for the own station is kept";
    form4()->show();
    const GeoPosition sydney{151.21, -33.87};  // degrees
    for (const auto& [field, text] : {std::pair{control<QLineEdit>(form4(), "E_LangDez"), QStringLiteral("151,21")},
                                      std::pair{control<QLineEdit>(form4(), "E_BreitDez"), QStringLiteral("-33,87")}}) {
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    ASSERT_EQ(session()->ownPosition().longitude, sydney.longitude);
    ASSERT_EQ(session()->ownPosition().latitude, sydney.latitude);
    ASSERT_EQ(form10()->beamBitmap.size(), QSize(300, 300));
    EXPECT_EQ(form10()->beamBitmap.pixel(150, 150), worldPixelAt(sydney));
    EXPECT_EQ(shown().pixel(centre - 20, centre + 20), form10()->beamBitmap.pixel(150 - 15, 150 + 15)) << "and shown at once";
    ASSERT_TRUE(recordedAs(sydney));
    QImage saved;
    ASSERT_TRUE(saved.load(form10()->beamMapPath(), "BMP"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), form10()->beamBitmap);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
}

TEST_F(TForm10Test, AFailedSaveShowsThePictureBuiltAndTheFileIsTriedAgainAtTheNextChoice)
{
    startOnBeamMap();
    form10()->beamBitmapSize = 300;
    const GeoPosition sydney{151.21, -33.87};  // degrees
    {
        const FileSizeLimit full(16 * 1024);  // bytes: the settings file fits, the picture does not
        session()->setOwnPosition(sydney);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.isEmpty(); }, 5000));
    }
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains(QStringLiteral("Datenträger voll"))) << dialogs.shown[0].toStdString();
    EXPECT_EQ(form10()->beamBitmap.pixel(150, 150), worldPixelAt(sydney)) << "the new station's picture";
    EXPECT_EQ(shown().pixel(centre - 20, centre + 20), form10()->beamBitmap.pixel(150 - 15, 150 + 15)) << "is shown";
    QImage kept;
    ASSERT_TRUE(kept.load(form10()->beamMapPath(), "BMP"));
    EXPECT_EQ(kept.pixel(250, 250), grey) << "the old file is whole";
    EXPECT_TRUE(recordedAs(own));

    formA()->Beamkarte1Click();
    ASSERT_TRUE(recordedAs(sydney)) << "the next choice writes the file";
    QImage saved;
    ASSERT_TRUE(saved.load(form10()->beamMapPath(), "BMP"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), form10()->beamBitmap);
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(TForm10Test, AQuitDuringTheWriteLeavesTheFileAndItsPositionInAgreement)
{
    startOnBeamMap();
    form10()->beamBitmapSize = 1000;
    const GeoPosition sydney{151.21, -33.87};  // degrees
    session()->setOwnPosition(sydney);
    const QImage built = form10()->beamBitmap;
    folder.stop();
    QImage saved;
    ASSERT_TRUE(saved.load(folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), built);
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("Mittelpunkt_Breite=-33.87"));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
}

TEST_F(TForm10Test, WithoutTheWorldMapTheFailureIsShownOnceAndTheCacheKept)
{
    struct Case {
        const char* name;
        bool cached;  // a file made for another position
    };
    for (const Case c : {Case{"no cache", false}, Case{"cache of another station", true}}) {
        ScriptedDialogs boxes;
        QFile::remove(folder.kartenPath(QStringLiteral("Welt.inf")));
        QFile::remove(folder.kartenPath(QStringLiteral("BeamKarte.bmp")));
        if (c.cached)
            writeBeamBitmap({300, 300}, false);
        start();
        form10()->beamBitmapSize = 100;
        formA()->Beamkarte1Click();
        form10()->RedrawBeamMap();
        ASSERT_EQ(boxes.shown.size(), 1) << c.name;
        EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("error|"))) << boxes.shown[0].toStdString();
        EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("Welt"))) << boxes.shown[0].toStdString();
        EXPECT_EQ(QFile::exists(form10()->beamMapPath()), c.cached) << c.name;
        EXPECT_EQ(form10()->BeamKarte->isHidden(), !c.cached) << c.name << ": what there is, is shown";
        if (c.cached) {
            QImage kept;
            ASSERT_TRUE(kept.load(form10()->beamMapPath(), "BMP"));
            EXPECT_EQ(kept.pixel(150, 150), grey) << c.name;
        }
        EXPECT_TRUE(formA()->isVisible()) << c.name;
        folder.stop();
        ini = "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n";
    }
}

TEST_F(TForm10Test, SwitchingWithTheCachedFileShowsTheBeamMapAtItsRememberedPlaces)
{
    writeBeamBitmap();
    start("[Beam]\r\nLocatorPos_X=21\r\nLocatorPos_Y=31\r\nFadenkreuzanzeigePos_X=41\r\nFadenkreuzanzeigePos_Y=51\r\n");
    ASSERT_TRUE(form10()->BeamKarte->isHidden());
    formA()->Beamkarte1Click();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(form1()->Karte->isHidden());
    EXPECT_FALSE(form10()->BeamKarte->isHidden());
    EXPECT_EQ(form4()->pos(), QPoint(21, 31));
    EXPECT_EQ(form2()->pos(), QPoint(41, 51));
    EXPECT_FALSE(session()->iniFile()->readBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true));
    EXPECT_GT(count(form10()->BeamKarte->canvas(), grey), 10000) << "the cached bitmap is shown";

    formA()->Karten1Click();
    EXPECT_TRUE(form10()->BeamKarte->isHidden());
    EXPECT_FALSE(form1()->Karte->isHidden());
}

TEST_F(TForm10Test, StartShowsTheBeamMapOnlyWhenTheFileCanBeRead)
{
    struct Case {
        const char* name;
        QByteArray file;  // empty: none
        bool beamShown;
        bool errorShown;
    };
    QImage small(50, 50, QImage::Format_RGB32);
    small.fill(grey);
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        small.save(&buffer, "BMP");
    }
    const Case cases[] = {
        {"readable", bmp, true, false},
        {"missing", {}, false, false},
        {"garbage", "BM not a bitmap", false, true},
    };
    for (const Case& c : cases) {
        ScriptedDialogs boxes;
        QFile::remove(folder.kartenPath(QStringLiteral("BeamKarte.bmp")));
        if (!c.file.isEmpty())
            folder.writeFile(QStringLiteral("Karten/BeamKarte.bmp"), c.file);
        start("[Main]\r\nMercatorkarte=0\r\n");
        EXPECT_EQ(!form10()->BeamKarte->isHidden(), c.beamShown) << c.name;
        EXPECT_EQ(form1()->Karte->isHidden(), c.beamShown) << c.name;
        EXPECT_EQ(form10()->beamMapLoaded, c.beamShown) << c.name;
        EXPECT_EQ(boxes.shown.size() == 1, c.errorShown) << c.name;
        folder.stop();
    }
}

TEST_F(TForm10Test, TargetPathIsDrawnOnlyBeyondFiveKm)
{
    startOnBeamMap();
    struct Case {
        double distanceKm;
        bool drawn;
    };
    for (const Case c : {Case{0, false}, Case{3, false}, Case{5, false}, Case{6, true}, Case{6000, true}}) {
        session()->setTarget(TargetInfo{10, 50, 90, c.distanceKm});
        form10()->RedrawBeamMap();
        EXPECT_EQ(count(shown(), magenta) > 0, c.drawn) << c.distanceKm;
    }
    // 6000 km due east: the path through half the distance and the arc at the distance.
    const long double radius = view().radiusOf(6000);
    EXPECT_EQ(shown().pixel(view().polar(90, radius / 2)), magenta);
    EXPECT_EQ(shown().pixel(view().polar(90, radius)), magenta);
    EXPECT_EQ(shown().pixel(view().polar(90 + 29, radius)), magenta);
    EXPECT_EQ(shown().pixel(view().polar(90 + 40, radius)), grey);
}

TEST_F(TForm10Test, CirclesSpokesAndCityDots)
{
    startOnBeamMap();
    struct Case {
        int spacingKm;
        int circles;
    };
    for (const Case c : {Case{5000, 4}, Case{20038, 0}, Case{0, 0}, Case{7000, 2}}) {
        session()->setCircleSpacingKm(c.spacingKm);
        form10()->RedrawBeamMap();
        const QImage picture = shown();
        // Circles crossed on the way out at 15 degrees, between two spokes.
        int crossed = 0;
        bool onLine = false;
        for (int r = 5; r <= centre + 1; ++r) {
            const bool black = picture.pixel(view().polar(15, r)) == qRgb(0, 0, 0);
            crossed += black && !onLine;
            onLine = black;
        }
        EXPECT_EQ(crossed, c.circles) << c.spacingKm;
        EXPECT_EQ(picture.pixel(view().polar(30, 100)), black) << "a spoke";
        EXPECT_EQ(picture.pixel(view().polar(15, 100)), grey) << "between two spokes";
    }
    const QPoint dortmund = view().pixelOf(session()->ownPosition(), 7.47, 51.51);
    EXPECT_NE(shown().pixel(dortmund), red);
    parameters()->setCitiesShown(ParameterSettings::OnOff::on);
    form10()->RedrawBeamMap();
    EXPECT_EQ(shown().pixel(dortmund), red);
    EXPECT_EQ(shown().pixel(view().pixelOf(session()->ownPosition(), 151.21, -33.87)), red) << "Sydney, near the rim";
}

TEST_F(TForm10Test, AntennaLineDrawnTwiceRestoresThePicture)
{
    startOnBeamMap();
    const QImage original = shown();
    form10()->DrawBeamLine();
    EXPECT_EQ(shown(), original) << "no line before the first rotor status";

    editRotorState([&](RotorState& r) { r.rotorAzimuth = 45; });
    form10()->DrawBeamLine();
    const QImage at45 = shown();
    EXPECT_NE(at45, original);
    EXPECT_EQ(at45.pixel(view().polar(45, 120)), qRgb(255 - 200, 255 - 200, 255 - 200));
    EXPECT_TRUE(form10()->drawState().beamLineDrawn);
    EXPECT_DOUBLE_EQ(form10()->drawState().beamLineDirection.value_or(0), 45);

    editRotorState([&](RotorState& r) { r.rotorAzimuth = 45.9; });  // less than a degree: nothing happens
    form10()->DrawBeamLine();
    EXPECT_EQ(shown(), at45);

    editRotorState([&](RotorState& r) { r.rotorAzimuth = 100; });
    form10()->DrawBeamLine();
    EXPECT_EQ(shown().pixel(view().polar(45, 120)), grey);
    EXPECT_NE(shown().pixel(view().polar(100, 120)), grey);
    form10()->EraseBeamLine();
    EXPECT_EQ(shown(), original);

    form10()->DrawBeamLine();  // still marked as drawn: erased once more, which draws it again
    form10()->RedrawBeamMap();
    EXPECT_FALSE(form10()->drawState().beamLineDrawn);
    EXPECT_EQ(shown(), original);
}

TEST_F(TForm10Test, ZoomStepsStayWithinTheirBoundsAndRedrawOnlyWhenAllowed)
{
    startOnBeamMap();
    struct Step {
        bool in;
        int margin;
        bool redrawn;
    };
    // The 500-pixel bitmap zooms in steps of 50 up to 200.
    const Step steps[] = {{true, 50, true},   {true, 100, true},  {true, 150, true}, {true, 200, true},
                          {true, 200, false}, {false, 150, true}, {false, 100, true}, {false, 50, true},
                          {false, 0, true},   {false, 0, true}};
    for (const Step& s : steps) {
        form10()->BeamKarte->canvas().setPixel(3, 3, qRgb(1, 2, 3));  // gone after a redraw
        if (s.in)
            formA()->Zoom1->trigger();
        else
            formA()->Zoom2->trigger();
        EXPECT_EQ(form10()->zoomMargin, s.margin);
        EXPECT_EQ(shown().pixel(3, 3) != qRgb(1, 2, 3), s.redrawn) << s.margin;
    }
    form10()->zoomMargin = 100;
    QTest::mouseClick(form10()->BeamKarte, Qt::RightButton, {}, {centre, centre});
    EXPECT_EQ(form10()->zoomMargin, 50);
}

TEST_F(TForm10Test, MouseReadOutFollowsTheCursorAndHides)
{
    startOnBeamMap();
    struct Case {
        QPoint mouse;
        const char* bearing;
    };
    // 100 pixels from the centre of the 400-pixel image: half the way to the antipode.
    const Case cases[] = {{{centre, centre - 100}, "Antennenwinkel: 0°"},
                          {{centre + 100, centre}, "Antennenwinkel: 90°"},
                          {{centre, centre + 100}, "Antennenwinkel: 180°"},
                          {{centre - 100, centre}, "Antennenwinkel: 270°"},
                          {{centre, centre}, "Antennenwinkel: 90°"}};
    for (const Case& c : cases) {
        formA()->P_Cursor->hide();
        QTest::mouseMove(form10()->BeamKarte, c.mouse);
        ASSERT_TRUE(QTest::qWaitFor([] { return formA()->P_Cursor->isVisible(); }, 1000)) << c.bearing;
        EXPECT_EQ(formA()->Label3->text(), QString::fromUtf8(c.bearing));
        if (c.mouse != QPoint(centre, centre)) {
            EXPECT_EQ(formA()->Label2->text(), QStringLiteral("Entfernung: 10018,8Km")) << c.bearing;
        }
    }
    EXPECT_EQ(formA()->Label1->text(), QStringLiteral("7,04°O 51,52°N JO31MM"));
    EXPECT_EQ(formA()->P_Cursor->pos(), QPoint(centre + 10, centre + 10));
    EXPECT_TRUE(QTest::qWaitFor([] { return formA()->P_Cursor->isHidden(); }, 2000)) << "400 ms after the last move";

    QTest::mouseMove(form10()->BeamKarte, {centre + 180, centre});
    ASSERT_TRUE(QTest::qWaitFor([] { return formA()->P_Cursor->isVisible(); }, 1000));
    EXPECT_LT(formA()->P_Cursor->x(), centre + 180) << "flips left near the right edge";
    QTest::mouseMove(form10()->BeamKarte, {5, 5});
    EXPECT_TRUE(formA()->P_Cursor->isHidden()) << "beyond 20000 km";

    parameters()->setMousePositionShown(ParameterSettings::OnOff::off);
    QTest::mouseMove(form10()->BeamKarte, {centre + 20, centre + 20});
    QTest::qWait(50);
    EXPECT_TRUE(formA()->P_Cursor->isHidden());
}

TEST_F(TForm10Test, LayersAreDrawnWhereTheProjectionPutsThem)
{
    startOnBeamMap();
    const DotLayer layer(own);
    form10()->addLayer(layer);
    form10()->RedrawBeamMap();
    EXPECT_EQ(shown().pixel(centre, centre), red) << "the own station at the centre";
}

TEST_F(TForm10Test, ClickMakesTheScreenPositionTheTarget)
{
    startOnBeamMap();
    QTest::mouseClick(form10()->BeamKarte, Qt::LeftButton, {}, {centre + 100, centre});
    EXPECT_DOUBLE_EQ(session()->target().bearing, 90);
    EXPECT_NEAR(session()->target().distance, double(AzimuthalProjection::antipodeKm / 2), 1e-6);
    const AzimuthalProjection::Point point = AzimuthalProjection(own).pointAt(90, AzimuthalProjection::antipodeKm / 2);
    EXPECT_NEAR(session()->target().latitude, double(point.latitude), 1e-9);
    EXPECT_NEAR(session()->target().longitude, double(point.longitude), 1e-9);
    EXPECT_TRUE(form2()->isVisible());
    EXPECT_EQ(shown().pixel(view().polar(90, 50)), magenta) << "redrawn with the path";

    const TargetInfo before = session()->target();
    QTest::mouseClick(form10()->BeamKarte, Qt::LeftButton, {}, {3, 3});
    EXPECT_EQ(session()->target().longitude, before.longitude) << "outside the disc nothing happens";
    EXPECT_EQ(session()->target().distance, before.distance);
}

TEST_F(TForm10Test, SettingsAreKeptAndARefusedCircleSpacingReplaced)
{
    start("[Beam]\r\nZoom=250\r\nHoch=321\r\nBreit=322\r\n[Parameter]\r\nKreise=-5\r\n");
    EXPECT_EQ(form10()->zoomMargin, 250);
    EXPECT_EQ(session()->circleSpacingKm(), 5000);
    session()->setCircleSpacingKm(700);
    folder.stop();
    SettingsFile settings(folder.iniPath());
    EXPECT_EQ(settings.readInteger(QStringLiteral("Parameter"), QStringLiteral("Kreise"), 0), 700);
    EXPECT_EQ(settings.readInteger(QStringLiteral("Beam"), QStringLiteral("Zoom"), 0), 250);
    EXPECT_EQ(settings.readInteger(QStringLiteral("Beam"), QStringLiteral("Hoch"), 0), 321);
}

} // namespace
