#include "beam/TForm10.h"

#include "app/SettingsFile.h"
#include "app/SettingsKeys.h"
#include "app/TFormA.h"
#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "base/Rounding.h"
#include "beam/AzimuthalProjection.h"
#include "beam/BeamMapCache.h"
#include "beam/BeamPicture.h"
#include "beam/BeamProjection.h"
#include "platform/WindowsColor.h"
#include "session/Session.h"
#include "settings/TForm3.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/ImageWidget.h"
#include "widgets/WindowGeometry.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

TForm10* Form10 = nullptr;

namespace {

namespace beamKeys = SettingsKeys::Beam;
const MapWindow::PlaceKeys placeKeys{beamKeys::section, beamKeys::locatorX, beamKeys::locatorY, beamKeys::crosshairX,
                                     beamKeys::crosshairY};
constexpr int defaultCircleSpacingKm = 5000;
constexpr double noBeamLine = -1000;        // beamLineDirection when no line is on the image, degrees
constexpr double targetPathFromKm = 5;      // nearer targets get no path, km

QColor crosshairColour()
{
    return WindowsColor::toQColor(session->crosshairColor);
}

} // namespace

TForm10::TForm10() : MapWindow(*session, *FormA, QStringLiteral("BeamKarte"))
{
    Form10 = this;
    BeamKarte = image();
    BeamKarte->hide();
    connectGuarded(BeamKarte, &ImageWidget::mouseMoved, this, &TForm10::BeamKarteMouseMove);
    connectGuarded(BeamKarte, &ImageWidget::mousePressed, this, &TForm10::BeamKarteMouseDown);

    // Each window's part of a menu command runs on its own, so that a failure in one leaves the
    // others' parts done.
    connectGuarded(FormA, &TFormA::beamMapRequested, this, &TForm10::Beamkarte1Click);
    connectGuarded(FormA, &TFormA::beamZoomInRequested, this, &TForm10::ZoomPlusClick);
    connectGuarded(FormA, &TFormA::beamZoomOutRequested, this, &TForm10::ZoomMinusClick);
    connect(FormA, &TFormA::mercatorMapRequested, BeamKarte, &QWidget::hide);
    ErrorBox::guard([this] { FormCreate(); });
}

QString TForm10::beamMapPath()
{
    return session->folders.writableFolder + QStringLiteral("Karten/BeamKarte.bmp");
}

void TForm10::FormCreate()
{
    session->drawState.beamLineDrawn = false;

    const SettingsFile& ini = *session->IniFile;
    BeamKarte->createScreenSurface();
    beamBitmap = QImage();
    beamMapLoaded = false;

    BeamKarte->resize(WindowGeometry::onScreen(0, 0, ini.readInteger(beamKeys::section, beamKeys::width, 500),
                                               ini.readInteger(beamKeys::section, beamKeys::height, 500)).size());
    // A hand-edited margin outside the zoom range reads as no zoom; it must not overflow below.
    zoomMargin = ini.readInteger(beamKeys::section, beamKeys::zoom, 0);
    if (zoomMargin < 0 || zoomMargin > 4 * beamBitmapSize / 10)
        zoomMargin = 0;
    const int spacingKm = ini.readInteger(SettingsKeys::Parameter::section, SettingsKeys::Parameter::distanceCircles,
                                          defaultCircleSpacingKm);
    // No circles at all or endless ones: a hand-edited spacing of 0 km or less is refused.
    session->circleSpacingKm = spacingKm > 0 ? spacingKm : defaultCircleSpacingKm;
    loadPlaces(ini, placeKeys);
    const bool mercatorShown = ini.readBool(SettingsKeys::Main::section, SettingsKeys::Main::mercatorShown, true);

    // Placed in the main window before the file is read, so that an unreadable file still leaves
    // exactly one map image there: the Mercator map.
    BeamKarte->setParent(FormA->clientArea());
    BeamKarte->move(0, 0);
    BeamKarte->setVisible(!mercatorShown);
    const auto showMercator = [this] {
        BeamKarte->hide();
        FormA->showMercatorImage(true);
    };
    FileReplacement::removeLeftovers(beamMapPath());
    if (!QFile::exists(beamMapPath())) {
        showMercator();
        return;
    }
    QImage loaded;
    if (!loaded.load(beamMapPath(), "BMP")) {
        showMercator();
        throw AppError(QStringLiteral("Die Beamkarte %1 kann nicht gelesen werden").arg(beamMapPath()));
    }
    beamBitmap = loaded.convertToFormat(QImage::Format_RGB32);
    beamMapLoaded = true;
}

void TForm10::FormDestroy()
{
    SettingsFile& ini = *session->IniFile;
    ini.writeInteger(beamKeys::section, beamKeys::height, BeamKarte->height());
    ini.writeInteger(beamKeys::section, beamKeys::width, BeamKarte->width());
    ini.writeInteger(beamKeys::section, beamKeys::zoom, zoomMargin);
    ini.writeInteger(SettingsKeys::Parameter::section, SettingsKeys::Parameter::distanceCircles, session->circleSpacingKm);
    savePlaces(ini, placeKeys);
    beamBitmap = QImage();
    beamMapLoaded = false;
}

// ---- Showing and generating -----------------------------------------------------------------

void TForm10::Beamkarte1Click()
{
    if (!currentBitmap())
        return;
    FormA->showMercatorImage(false);
    BeamKarte->show();
    FormA->setClientSize(BeamKarte->width(), BeamKarte->height());
    RedrawBeamMap();
    emit mapChosen();
    session->IniFile->writeBool(SettingsKeys::Main::section, SettingsKeys::Main::mercatorShown, false);
}

bool TForm10::currentBitmap()
{
    const auto same = [](const std::optional<GeoPosition>& a, const GeoPosition& b) {
        return a && a->longitude == b.longitude && a->latitude == b.latitude;
    };
    if (beamMapLoaded && same(BeamMapCache::recordedPosition(*session->IniFile), session->ownPosition))
        return true;
    // A failure is shown once per position, not at every redraw.
    if (generating_ || same(failedFor_, session->ownPosition))
        return beamMapLoaded;
    generating_ = true;
    try {
        GenerateBeamMap();
        failedFor_.reset();
    } catch (const std::exception& error) {
        failedFor_ = session->ownPosition;
        ErrorBox::show(error);
    }
    generating_ = false;
    return beamMapLoaded;
}

void TForm10::GenerateBeamMap()
{
    QImage picture = BeamMapCache::build(session->folders.programFolder + QStringLiteral("Karten/"),
                                         session->ownPosition, crosshairColour().rgb(),
                                         QApplication::palette().color(QPalette::Button).rgb(), beamBitmapSize);
    BeamMapCache::save(picture, beamMapPath());
    BeamMapCache::record(*session->IniFile, session->ownPosition);
    beamBitmap = std::move(picture);
    beamMapLoaded = true;
}

// ---- Drawing --------------------------------------------------------------------------------

int TForm10::shownMargin() const
{
    return std::clamp(zoomMargin, 0, 4 * beamBitmap.width() / 10);
}

BeamPicture TForm10::picture()
{
    return BeamPicture(BeamKarte->canvas(), BeamKarte->height(), beamBitmap, shownMargin());
}

BeamView TForm10::view() const
{
    return BeamView(BeamKarte->height(), beamBitmap.width(), shownMargin());
}

std::unique_ptr<MapProjection> TForm10::projection()
{
    const BeamView shown = view();
    if (!shown.valid())
        return nullptr;
    const GeoPosition& own = session->ownPosition;
    if (!readoutProjection_ || readoutProjection_->own().latitude != own.latitude
        || readoutProjection_->own().longitude != own.longitude)
        readoutProjection_.emplace(own);
    return std::make_unique<BeamProjection>(shown, *readoutProjection_);
}

std::optional<QSize> TForm10::filledSize(QSize clientArea) const
{
    return QSize(clientArea.height(), clientArea.height());
}

void TForm10::eraseAntennaLine()
{
    EraseBeamLine();
    session->drawState.beamLineDrawn = false;
}

void TForm10::RedrawBeamMap()
{
    if (!BeamKarte->isHidden())
        currentBitmap();
    if (!beamMapLoaded)
        return;
    BeamLayers layers;
    layers.circleSpacingKm = session->circleSpacingKm;
    if (Form3 && Form3->citiesShown() == TForm3::OnOff::on)
        layers.cities = &session->referenceData.cityTable;
    layers.markerSize = session->cityMarkerSize;
    layers.own = session->ownPosition;
    picture().paint(layers);
    if (const std::unique_ptr<MapProjection> shown = projection())
        drawLayers(BeamKarte->canvas(), *shown);
    if (session->target.distance > targetPathFromKm)
        DrawTargetPath();
    session->drawState.beamLineDrawn = false;  // the copy has painted over any antenna line
    BeamKarte->update();
}

void TForm10::DrawTargetPath()
{
    if (picture().view().valid())
        picture().drawTargetPath(session->target.bearing, session->target.distance, crosshairColour());
}

void TForm10::DrawBeamLine()
{
    if (!beamMapLoaded || session->rotorState.rotorAzimuth == RotorState::noStatus)
        return;
    DrawState& drawn = session->drawState;
    drawn.antennaDirection = session->rotorState.rotorAzimuth + session->azimuthDisplayOffset;
    if (!drawn.beamLineDrawn)
        drawn.beamLineDirection = noBeamLine;
    if (std::fabs(drawn.beamLineDirection - drawn.antennaDirection) < 1)
        return;
    EraseBeamLine();
    picture().invertAntennaLine(drawn.antennaDirection);
    drawn.beamLineDrawn = true;
    drawn.beamLineDirection = drawn.antennaDirection;
    BeamKarte->update();
}

void TForm10::EraseBeamLine()
{
    DrawState& drawn = session->drawState;
    if (!drawn.beamLineDrawn)
        return;
    drawn.antennaDirection = session->rotorState.rotorAzimuth + session->azimuthDisplayOffset;
    picture().invertAntennaLine(drawn.beamLineDirection);
    BeamKarte->update();
}

// ---- Mouse and zoom -------------------------------------------------------------------------

void TForm10::BeamKarteMouseMove(QMouseEvent* event)
{
    const std::unique_ptr<MapProjection> shown = projection();
    if (!shown)
        return;
    // Without a choice the panel keeps its state, but its lines follow the mouse.
    const TForm3::OnOff choice = Form3 ? Form3->mousePositionShown() : TForm3::OnOff::off;
    readOut(event->position().toPoint(), *shown,
            choice == TForm3::OnOff::on ? PanelUse::show
                                        : (choice == TForm3::OnOff::none ? PanelUse::follow : PanelUse::none));
}

void TForm10::BeamKarteMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ZoomMinusClick();
        return;
    }
    if (const std::unique_ptr<MapProjection> shown = projection())
        makeTarget(event->position().toPoint(), *shown);
}

void TForm10::ZoomPlusClick()
{
    const int step = beamBitmap.width() / 10;  // bitmap pixels
    zoomMargin += step;
    if (zoomMargin > 4 * beamBitmap.width() / 10) {
        zoomMargin -= step;
        return;
    }
    RedrawBeamMap();
}

void TForm10::ZoomMinusClick()
{
    zoomMargin = std::max(0, zoomMargin - beamBitmap.width() / 10);
    RedrawBeamMap();
}
