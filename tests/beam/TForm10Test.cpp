// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/TForm10.h"
#include "readout/CursorPanel.h"
#include "settings/SettingsFile.h"
#include "beam/BeamMapCache.h"
#include "support/DotLayer.h"
#include "support/FileSizeLimit.h"
#include "geo/SwitchedLayer.h"
#include "sun/GreylineLayer.h"
#include "support/MapStage.h"
#include "support/NightDifference.h"
#include "support/RotorStateEdit.h"
#include "support/ScriptedDialogs.h"
#include "widgets/ImageWidget.h"

#include "NumberedWorld.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

namespace {

const QRgb grey = qRgb(200, 200, 200);        // the cached beam bitmap of the view tests
const QRgb magenta = qRgb(255, 0, 255);       // crosshair colour
const unsigned magentaWindows = 0x00FF00FFu;  // the same as 0x00BBGGRR
const QRgb black = qRgb(0, 0, 0);
const QRgb red = qRgb(255, 0, 0);
constexpr int shownSide = 400;  // pixels of the shown image
constexpr int centre = shownSide / 2;
const GeoPosition own {7.0417, 51.5208};
const GeoPosition sydney {151.21, -33.87};  // degrees
// Where the world map, 360 x 180 pixels of a degree each from 180 W and 90 N, shows the own
// station and Sydney: what a beam bitmap built for them shows at its centre.
const QPoint ownOnWorld(187, 38);
const QPoint sydneyOnWorld(331, 124);
constexpr double antipodeKm = 6378.145 * M_PI;  // half the earth's circumference, km: the rim
const QByteArray worldCalibration = "90.00N 180.00W\r\n90.00S 180.00E\r\n";

// The image pixel at a bearing (degrees) and radius (pixels) from the centre, without zoom.
QPoint at(double bearing, double radius)
{
    const double angle = bearing * M_PI / 180;
    return {centre + int(std::lround(std::sin(angle) * radius)), centre - int(std::lround(std::cos(angle) * radius))};
}

// The beam map window alone, with the own station at 7.0417 E 51.5208 N and the world map of
// numbered pixels.
class TForm10Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(world.save(stage.folder.kartenPath(QStringLiteral("Welt.bmp")), "BMP"));
        stage.folder.writeFile(QStringLiteral("Karten/Welt.inf"), worldCalibration);
        ini = "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n";
    }
    void TearDown() override { stop(); }
    // A grey cached bitmap, recorded as made for the own station unless told otherwise.
    void writeBeamBitmap(QSize size = {500, 500}, bool recorded = true)
    {
        QImage bitmap(size, QImage::Format_RGB32);
        bitmap.fill(grey);
        ASSERT_TRUE(bitmap.save(stage.folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
        if (recorded)
            ini += "[Beam]\r\nMittelpunkt_L\xe4nge=7.0417\r\nMittelpunkt_Breite=51.5208\r\n";
    }
    // Builds the map over the settings as the program does: the own station is read by the
    // Mercator map before, and a new target or own station has it redraw.
    void start(const QByteArray& more = {}, int side = TForm10::defaultBitmapSide)  // of the bitmap, pixels
    {
        stage.open(ini + more);
        stage.session.setOwnPosition(own);
        map = std::make_unique<TForm10>(stage.session, stage, stage.store.beam, stage.store.mainWindow, stage.parameters,
                                        stage.bitmaps, side);
        QObject::connect(&stage.session, &Session::targetChanged, map.get(), &MapWindow::redrawIfShown);
        QObject::connect(&stage.session, &Session::ownPositionChanged, map.get(), &MapWindow::redrawIfShown);
    }
    // Starts with the cached grey bitmap shown 400 x 400 pixels, no cities, crosshair magenta.
    void startOnBeamMap(int bitmapSide = TForm10::defaultBitmapSide)
    {
        writeBeamBitmap();
        start("[Main]\r\nMercatorkarte=0\r\n", bitmapSide);
        stage.setClientSize(shownSide, shownSide);
        map->fillClientArea();
        ASSERT_EQ(map->image()->size(), QSize(shownSide, shownSide));
        stage.parameters.setCitiesShown(ParameterSettings::OnOff::off);
        stage.parameters.setMousePositionShown(ParameterSettings::OnOff::on);
        stage.session.setCrosshairColor(magentaWindows);
        map->RedrawBeamMap();
    }
    void stop()
    {
        if (map)
            stage.close([this] { map->FormDestroy(); });
        map.reset();
    }
    // The file is written after the picture is shown; true once the position beside it is recorded.
    bool recordedAs(const GeoPosition& position) const
    {
        const auto recorded = [&] {
            const std::optional<GeoPosition>& at = stage.store.beam.cacheCentre();
            return at && at->longitude == position.longitude && at->latitude == position.latitude;
        };
        return QTest::qWaitFor(recorded, 5000);
    }
    // The beam map file as written, in the bitmap's format; null when it cannot be read.
    QImage saved() const
    {
        return QImage(stage.folder.kartenPath("BeamKarte.bmp"), "BMP").convertToFormat(QImage::Format_RGB32);
    }
    std::string boxes() const { return dialogs.shown.join(u'\n').toStdString(); }
    QImage shown() const { return map->image()->canvas().copy(0, 0, shownSide, shownSide); }
    static int count(const QImage& image, QRgb colour)
    {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);  // 32-bit pixels, rows without padding
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
        return int(std::count(pixels, pixels + rgb.width() * rgb.height(), colour));
    }

    QImage world = numberedWorld();
    QByteArray ini;
    ScriptedDialogs dialogs;
    MapStage stage;
    std::unique_ptr<TForm10> map;
};

// Without a cache file, or with one not recorded for the own station, choosing the beam map
// builds it in place, shows it and writes it; a second choice builds nothing more.
TEST_F(TForm10Test, WithoutAFittingCacheTheBeamMapIsBuiltOnceInPlaceAndShown)
{
    // The cached row first: the cache is read after the stage's first paint, which only one row gets.
    for (const bool cached : {true, false}) {
        SCOPED_TRACE(cached ? "a cache without recorded position" : "no cache");
        stop();
        stage.folder.writeFile(QStringLiteral("Karten/Welt.inf"), worldCalibration);
        QFile::remove(stage.folder.kartenPath(QStringLiteral("BeamKarte.bmp")));
        if (cached)
            writeBeamBitmap({300, 300}, false);
        start({}, 300);
        if (cached) {
            EXPECT_FALSE(map->beamMapLoaded()) << "hidden at start, the cache is read after the first paint";
            stage.clientArea()->show();
            ASSERT_TRUE(QTest::qWaitFor([this] { return map->beamMapLoaded(); }, 5000));
            ASSERT_EQ(map->beamBitmap().pixel(150, 150), grey);
        }
        stage.session.setCurrentMapName(QStringLiteral("Europa"));
        stage.session.setCrosshairColor(magentaWindows);
        map->Beamkarte1Click();
        ASSERT_TRUE(recordedAs(own));
        EXPECT_TRUE(dialogs.shown.isEmpty()) << boxes();
        EXPECT_EQ(stage.session.currentMapName(), QStringLiteral("Europa")) << "the Mercator window keeps its map";
        const QImage file = saved();
        ASSERT_EQ(file.size(), QSize(300, 300));
        EXPECT_EQ(file.pixel(150, 150), world.pixel(ownOnWorld));
        EXPECT_EQ(file.pixel(150, 150 - 30), magenta) << "the north polar cap";
        EXPECT_EQ(file.pixel(150, 0), black) << "the rim";
        EXPECT_EQ(file.pixel(0, 0), QApplication::palette().color(QPalette::Button).rgb());
        EXPECT_EQ(map->beamBitmap(), file);
        EXPECT_TRUE(map->beamMapLoaded());
        EXPECT_EQ(stage.mercatorImageShown, false);
        EXPECT_FALSE(map->image()->isHidden());
        EXPECT_EQ(stage.clientArea()->size(), map->image()->size());
        EXPECT_EQ(map->image()->size(), QSize(500, 500)) << "building leaves the image at its size";
        // Without the world map, a second build would fail and say so.
        const QDateTime built = QFileInfo(map->beamMapPath()).lastModified();
        ASSERT_TRUE(QFile::remove(stage.folder.kartenPath(QStringLiteral("Welt.inf"))));
        map->RedrawBeamMap();
        map->hideMap();  // the Mercator map is chosen
        map->Beamkarte1Click();
        EXPECT_EQ(map->beamBitmap().pixel(150, 150), world.pixel(ownOnWorld));
        EXPECT_EQ(QFileInfo(map->beamMapPath()).lastModified(), built);
        EXPECT_TRUE(dialogs.shown.isEmpty()) << boxes();
    }
}

TEST_F(TForm10Test, ANewOwnPositionWhileTheBeamMapIsShownRebuildsIt)
{
    startOnBeamMap(300);
    ASSERT_EQ(shown().pixel(centre + 13, centre - 41), grey) << "the cache recorded for the own station is kept";
    EXPECT_TRUE(map->beamBitmap().isNull()) << "read from its file until the first paint";
    stage.session.setOwnPosition(sydney);
    ASSERT_EQ(map->beamBitmap().size(), QSize(300, 300));
    EXPECT_EQ(map->beamBitmap().pixel(150, 150), world.pixel(sydneyOnWorld));
    EXPECT_EQ(shown().pixel(centre - 20, centre + 20), map->beamBitmap().pixel(150 - 15, 150 + 15))
        << "and shown at once";
    ASSERT_TRUE(recordedAs(sydney));
    EXPECT_EQ(saved(), map->beamBitmap());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << boxes();
}

TEST_F(TForm10Test, AFailedSaveShowsThePictureBuiltAndTheFileIsTriedAgainAtTheNextChoice)
{
    startOnBeamMap(300);
    {
        const FileSizeLimit full(16 * 1024);  // bytes: the settings file fits, the picture does not
        stage.session.setOwnPosition(sydney);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.isEmpty(); }, 5000));
    }
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains(QStringLiteral("Datenträger voll"))) << dialogs.shown[0].toStdString();
    EXPECT_EQ(map->beamBitmap().pixel(150, 150), world.pixel(sydneyOnWorld)) << "the new station's picture";
    EXPECT_EQ(shown().pixel(centre - 20, centre + 20), map->beamBitmap().pixel(150 - 15, 150 + 15)) << "is shown";
    EXPECT_EQ(saved().pixel(250, 250), grey) << "the old file is whole";
    EXPECT_TRUE(recordedAs(own));
    map->Beamkarte1Click();
    ASSERT_TRUE(recordedAs(sydney)) << "the next choice writes the file";
    EXPECT_EQ(saved(), map->beamBitmap());
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(TForm10Test, AQuitDuringTheWriteLeavesTheFileAndItsPositionInAgreement)
{
    startOnBeamMap(1000);
    stage.session.setOwnPosition(sydney);
    const QImage built = map->beamBitmap();
    stop();
    EXPECT_EQ(saved(), built);
    EXPECT_TRUE(stage.folder.readFile(QStringLiteral("Corvane.ini")).contains("Mittelpunkt_Breite=-33.87"));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << boxes();
}

TEST_F(TForm10Test, WithoutTheWorldMapTheFailureIsShownOnceAndTheCacheKept)
{
    for (const bool cached : {false, true}) {  // a file made for another position
        SCOPED_TRACE(cached ? "cache of another station" : "no cache");
        ScriptedDialogs boxes;
        QFile::remove(stage.folder.kartenPath(QStringLiteral("Welt.inf")));
        QFile::remove(stage.folder.kartenPath(QStringLiteral("BeamKarte.bmp")));
        if (cached)
            writeBeamBitmap({300, 300}, false);
        start({}, 100);
        map->Beamkarte1Click();
        map->RedrawBeamMap();
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_TRUE(boxes.shown[0].startsWith(QStringLiteral("error|"))) << boxes.shown[0].toStdString();
        EXPECT_TRUE(boxes.shown[0].contains(QStringLiteral("Welt"))) << boxes.shown[0].toStdString();
        EXPECT_EQ(QFile::exists(map->beamMapPath()), cached);
        EXPECT_EQ(map->image()->isHidden(), !cached) << "what there is, is shown";
        EXPECT_EQ(saved().isNull() ? 0 : saved().pixel(150, 150), cached ? grey : 0);
        stop();
    }
}

TEST_F(TForm10Test, SwitchingWithTheCachedFileShowsTheBeamMapAtItsRememberedPlaces)
{
    writeBeamBitmap();
    start("[Beam]\r\nLocatorPos_X=21\r\nLocatorPos_Y=31\r\nFadenkreuzanzeigePos_X=41\r\nFadenkreuzanzeigePos_Y=51\r\n");
    ASSERT_TRUE(map->image()->isHidden());
    const QSignalSpy chosen(map.get(), &MapWindow::mapChosen);
    map->Beamkarte1Click();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(stage.mercatorImageShown, false);
    EXPECT_FALSE(map->image()->isHidden());
    EXPECT_EQ(chosen.count(), 1) << "the tool windows move to their places for the beam map";
    EXPECT_EQ(stage.places.place(MapPlaces::Tool::entry, MapPlaces::Map::beam), QPoint(21, 31));
    EXPECT_EQ(stage.places.place(MapPlaces::Tool::crosshair, MapPlaces::Map::beam), QPoint(41, 51));
    EXPECT_FALSE(stage.ini().readBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true));
    EXPECT_GT(count(map->image()->canvas(), grey), 10000) << "the cached bitmap is shown";
    map->hideMap();
    EXPECT_TRUE(map->image()->isHidden());
}

TEST_F(TForm10Test, StartShowsTheBeamMapOnlyWhenTheFileCanBeRead)
{
    // The file: null none, empty a readable bitmap.
    const std::tuple<const char*, bool, bool> cases[] = {
        {"", true, false}, {nullptr, false, false}, {"BM not a bitmap", false, true}};
    for (const auto& [file, beamShown, errorShown] : cases) {
        SCOPED_TRACE(file ? file : "missing");
        ScriptedDialogs boxes;
        QFile::remove(stage.folder.kartenPath(QStringLiteral("BeamKarte.bmp")));
        const QImage cached = world.copy(100, 40, 50, 50);  // recorded for the own station
        if (file && !*file) {
            ASSERT_TRUE(cached.save(stage.folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
            ini += "[Beam]\r\nMittelpunkt_L\xe4nge=7.0417\r\nMittelpunkt_Breite=51.5208\r\n";
        } else if (file)
            stage.folder.writeFile(QStringLiteral("Karten/BeamKarte.bmp"), file);
        stage.mercatorImageShown.reset();
        start("[Main]\r\nMercatorkarte=0\r\n");
        EXPECT_EQ(!map->image()->isHidden(), beamShown);
        // The Mercator map, hidden by the setting, is shown again when the beam map cannot be.
        EXPECT_EQ(stage.mercatorImageShown, beamShown ? std::nullopt : std::optional(true));
        EXPECT_EQ(map->beamMapLoaded(), beamShown);
        EXPECT_EQ(boxes.shown.size() == 1, errorShown);
        if (beamShown) {
            // Drawn from its file until the first paint, then from the decoded bitmap: the same picture.
            EXPECT_TRUE(map->beamBitmap().isNull());
            map->RedrawBeamMap();
            const QImage fromFile = map->image()->canvas().copy(map->image()->rect());
            stage.clientArea()->show();
            EXPECT_TRUE(QTest::qWaitFor([&] { return map->beamBitmap() == cached; }, 5000));
            map->RedrawBeamMap();
            EXPECT_TRUE(map->image()->canvas().copy(map->image()->rect()) == fromFile);
            stage.clientArea()->hide();
        }
        stop();
    }
}

TEST_F(TForm10Test, TargetPathIsDrawnOnlyBeyondFiveKm)
{
    startOnBeamMap();
    const std::pair<double, bool> cases[] = {{0, false}, {3, false}, {5, false}, {6, true}, {6000, true}};
    for (const auto& [distanceKm, drawn] : cases) {
        stage.session.setTarget(TargetInfo {10, 50, 90, distanceKm});
        map->RedrawBeamMap();
        EXPECT_EQ(count(shown(), magenta) > 0, drawn) << distanceKm;
    }
    // 6000 km due east, 59.9 pixels: the path through half the distance and the arc at the distance.
    const double radius = 6000 / antipodeKm * centre;  // pixels
    EXPECT_EQ(shown().pixel(at(90, radius / 2)), magenta);
    EXPECT_EQ(shown().pixel(at(90, radius)), magenta);
    EXPECT_EQ(shown().pixel(at(90 + 29, radius)), magenta);
    EXPECT_EQ(shown().pixel(at(90 + 40, radius)), grey);
}

// With the night shading on, the target's path keeps its colour: it is drawn over the night, not
// under it (2026-12-21 20:00 UTC, the path 6000 km east all in the dark).
TEST_F(TForm10Test, TheTargetsPathKeepsItsColourOverTheNight)
{
    startOnBeamMap();
    bool night = false;
    const GreylineLayer shading([] { return 1797883200.0; });
    const SwitchedLayer switched(shading, [&night] { return night; });
    map->addLayer(switched);
    stage.session.setTarget(TargetInfo {10, 50, 90, 6000});
    map->RedrawBeamMap();
    const QImage day = shown();
    night = true;
    map->RedrawBeamMap();
    const NightDifference difference = NightDifference::of(day, shown(), magenta);
    EXPECT_GT(difference.marked, 100);
    EXPECT_EQ(difference.kept, difference.marked);
    EXPECT_GT(difference.darkened, 10000) << "the night is shaded";
}

TEST_F(TForm10Test, CirclesSpokesCityDotsAndLayers)
{
    startOnBeamMap();
    const std::pair<int, int> cases[] = {{5000, 4}, {20038, 0}, {0, 0}, {7000, 2}};  // spacing km, circles
    for (const auto& [spacingKm, circles] : cases) {
        stage.parameters.setCircleSpacingKm(spacingKm);
        map->RedrawBeamMap();
        const QImage picture = shown();
        // Circles crossed on the way out at 15 degrees, between two spokes.
        int crossed = 0;
        bool onLine = false;
        for (int r = 5; r <= centre + 1; ++r) {
            const bool dark = picture.pixel(at(15, r)) == black;
            crossed += dark && !onLine;
            onLine = dark;
        }
        EXPECT_EQ(crossed, circles) << spacingKm;
        EXPECT_EQ(picture.pixel(250, 113), black) << "a spoke, at 30 degrees";
        EXPECT_EQ(picture.pixel(at(15, 100)), grey) << "between two spokes";
    }
    // Dortmund, 29.7 km east of the own station, is drawn at the centre; Sydney, 16562 km away
    // at 69.7 degrees, near the rim.
    const QPoint dortmund(centre, centre), sydneyPixel(355, 143);
    EXPECT_NE(shown().pixel(dortmund), red);
    EXPECT_NE(shown().pixel(sydneyPixel), red);
    stage.parameters.setCitiesShown(ParameterSettings::OnOff::on);
    map->RedrawBeamMap();
    EXPECT_EQ(shown().pixel(dortmund), red);
    EXPECT_EQ(shown().pixel(sydneyPixel), red);
    // A layer is drawn where the projection puts its position.
    const DotLayer layer(sydney);
    map->addLayer(layer);
    stage.parameters.setCitiesShown(ParameterSettings::OnOff::off);
    map->RedrawBeamMap();
    EXPECT_EQ(shown().pixel(sydneyPixel), red);
}

// With an opening angle set, the antenna's beam is a translucent wedge around the antenna line that
// follows the rotor and goes with the link, fainter the other way round while the antenna serves
// the target's long path; without one the picture has no wedge at all.
TEST_F(TForm10Test, TheAntennasBeamFollowsTheRotorAndGoesWithTheLink)
{
    startOnBeamMap();
    const QImage plain = shown();
    const auto status = [this](double azimuth, bool connected) {
        RotorState rotor = stage.session.rotorState();
        rotor.rotorAzimuth = azimuth;
        rotor.rotorConnected = connected;
        stage.session.takeRotorStatus(rotor);
    };
    const auto change = [&](double bearing) {
        const QPoint pixel = at(bearing, centre / 2);
        const QRgb now = shown().pixel(pixel), before = plain.pixel(pixel);
        return std::abs(qRed(now) - qRed(before)) + std::abs(qGreen(now) - qGreen(before)) +
               std::abs(qBlue(now) - qBlue(before));
    };
    const auto covered = [&](double bearing) { return change(bearing) != 0; };
    status(90, true);
    EXPECT_FALSE(covered(80)) << "no opening angle: no beam";
    stage.parameters.setOpeningAngleDegrees(60);
    map->RedrawBeamMap();
    status(90, true);
    EXPECT_TRUE(covered(70) && covered(110));
    EXPECT_FALSE(covered(130) || covered(50));
    status(200, true);
    EXPECT_TRUE(covered(180) && covered(220)) << "it follows the rotor";
    EXPECT_FALSE(covered(110));
    // The antenna turned away from the target serves its long path: the beam's way on past the
    // antipode is drawn too, fainter; with the target ahead it is not.
    stage.session.setTarget(TargetInfo {10, 50, 35, 6000});
    map->RedrawBeamMap();
    EXPECT_TRUE(covered(5) && covered(45)) << "the long path's beam";
    EXPECT_LT(change(5), change(185)) << "fainter than the beam itself";
    stage.session.setTarget(TargetInfo {10, 50, 215, 6000});
    map->RedrawBeamMap();
    EXPECT_FALSE(covered(5) || covered(45));
    stage.session.clearTarget();
    map->RedrawBeamMap();
    RotorState lost = stage.session.rotorState();
    lost.rotorConnected = false;
    stage.session.loseRotorLink(lost);
    EXPECT_FALSE(covered(180) || covered(220)) << "it goes with the link";
    stage.parameters.setOpeningAngleDegrees(0);
    map->RedrawBeamMap();
    EXPECT_EQ(shown(), plain);
}

TEST_F(TForm10Test, AntennaLineDrawnTwiceRestoresThePicture)
{
    startOnBeamMap();
    const QImage original = shown();
    map->DrawBeamLine();
    EXPECT_EQ(shown(), original) << "no line before the first rotor status";
    const auto rotorAt = [this](double azimuth) {
        editRotorState(stage.session, [&](RotorState& r) { r.rotorAzimuth = azimuth; });
        map->DrawBeamLine();
    };
    rotorAt(45);
    const QImage at45 = shown();
    EXPECT_NE(at45, original);
    EXPECT_EQ(at45.pixel(285, 115), qRgb(255 - 200, 255 - 200, 255 - 200)) << "120 pixels to the north-east";
    EXPECT_TRUE(map->drawState().beamLineDrawn);
    EXPECT_DOUBLE_EQ(map->drawState().beamLineDirection.value_or(0), 45);
    rotorAt(45.9);  // less than a degree: nothing happens
    EXPECT_EQ(shown(), at45);
    rotorAt(100);
    EXPECT_EQ(shown().pixel(285, 115), grey);
    EXPECT_NE(shown().pixel(318, 221), grey) << "120 pixels at 100 degrees";
    map->EraseBeamLine();
    EXPECT_EQ(shown(), original);
    map->DrawBeamLine();  // still marked as drawn: erased once more, which draws it again
    map->RedrawBeamMap();
    EXPECT_FALSE(map->drawState().beamLineDrawn);
    EXPECT_EQ(shown(), original);
}

TEST_F(TForm10Test, ZoomStepsStayWithinTheirBoundsAndRedrawOnlyWhenAllowed)
{
    startOnBeamMap();
    // The 500-pixel bitmap zooms in steps of 50 up to 200: in or out, margin, redrawn.
    const std::tuple<bool, int, bool> steps[] = {
        {true, 50, true},   {true, 100, true},  {true, 150, true}, {true, 200, true}, {true, 200, false},
        {false, 150, true}, {false, 100, true}, {false, 50, true}, {false, 0, true},  {false, 0, true},
    };
    for (const auto& [in, margin, redrawn] : steps) {
        map->image()->canvas().setPixel(3, 3, qRgb(1, 2, 3));  // gone after a redraw
        if (in)
            map->ZoomPlusClick();
        else
            map->ZoomMinusClick();
        EXPECT_EQ(map->zoomMargin(), margin);
        EXPECT_EQ(shown().pixel(3, 3) != qRgb(1, 2, 3), redrawn) << margin;
    }
    map->ZoomPlusClick();
    map->ZoomPlusClick();
    QTest::mouseClick(map->image(), Qt::RightButton, {}, {centre, centre});
    EXPECT_EQ(map->zoomMargin(), 50);
}

// Bearing and distance are read off the picture; where the panel goes and when it hides is the
// Mercator map's test, as both maps share the panel.
TEST_F(TForm10Test, MouseReadOutShowsWhatThePictureShowsAndHidesBeyondIt)
{
    startOnBeamMap();
    // 100 pixels east of the centre of the 400-pixel image: half the way to the antipode.
    CursorPanel& panel = stage.cursorPanel();
    panel.hide();
    QTest::mouseMove(map->image(), {centre + 100, centre});
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.line(1)->text(), QStringLiteral("Entfernung: 10018,8Km"));
    EXPECT_EQ(panel.line(2)->text(), QStringLiteral("Antennenwinkel: 90°"));
    QTest::mouseMove(map->image(), {centre, centre});
    EXPECT_EQ(panel.line(0)->text(), QStringLiteral("7,04°O 51,52°N JO31MM"));
    QTest::mouseMove(map->image(), {5, 5});
    EXPECT_TRUE(panel.isHidden()) << "beyond 20000 km";
    stage.parameters.setMousePositionShown(ParameterSettings::OnOff::off);
    QTest::mouseMove(map->image(), {centre + 20, centre + 20});
    EXPECT_TRUE(panel.isHidden());
}

TEST_F(TForm10Test, ClickMakesTheScreenPositionTheTarget)
{
    startOnBeamMap();
    QTest::mouseClick(map->image(), Qt::LeftButton, {}, {centre + 100, centre});
    // A quarter of a great circle due east of 7.0417 E 51.5208 N: the equator, 90 degrees further east.
    EXPECT_DOUBLE_EQ(stage.session.target().bearing, 90);
    EXPECT_NEAR(stage.session.target().distance, antipodeKm / 2, 1e-6);
    EXPECT_NEAR(stage.session.target().latitude, 0, 1e-9);
    EXPECT_NEAR(stage.session.target().longitude, 97.0417, 1e-9);
    EXPECT_EQ(shown().pixel(250, centre), magenta) << "redrawn with the path";
    const TargetInfo before = stage.session.target();
    QTest::mouseClick(map->image(), Qt::LeftButton, {}, {3, 3});
    EXPECT_EQ(stage.session.target().longitude, before.longitude) << "outside the disc nothing happens";
    EXPECT_EQ(stage.session.target().distance, before.distance);
}

TEST_F(TForm10Test, SettingsAreKeptAndAHandEditedZoomOutOfRangeIsNotTaken)
{
    start("[Beam]\r\nZoom=250\r\nHoch=321\r\nBreit=322\r\n");
    EXPECT_EQ(map->zoomMargin(), 250);
    stop();
    const QByteArray saved = stage.folder.readFile(QStringLiteral("Corvane.ini"));
    EXPECT_TRUE(saved.contains("Zoom=250\r\n") && saved.contains("Hoch=321\r\n")) << saved.constData();
    start("[Beam]\r\nZoom=2147483647\r\n");
    EXPECT_EQ(map->zoomMargin(), 0);
}

}  // namespace
