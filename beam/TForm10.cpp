#include "beam/TForm10.h"

#include "app/MapPlaces.h"
#include "app/SettingsFile.h"
#include "app/SettingsKeys.h"
#include "app/TFormA.h"
#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "base/Rounding.h"
#include "beam/AzimuthalProjection.h"
#include "beam/BeamMapCache.h"
#include "beam/BeamPicture.h"
#include "platform/WindowsColor.h"
#include "readout/CursorReadout.h"
#include "session/Session.h"
#include "settings/TForm3.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/ImageWidget.h"
#include "widgets/WindowGeometry.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>


namespace {

namespace beamKeys = SettingsKeys::Beam;
constexpr int defaultCircleSpacingKm = 5000;
constexpr long double readableKm = 20000;   // mouse read-outs and clicks reach this far, km
constexpr double targetPathFromKm = 5;      // nearer targets get no path, km

QColor crosshairColour(const Session& session)
{
    return WindowsColor::toQColor(session.crosshairColor());
}

} // namespace

TForm10::TForm10(Session& session, TFormA* mainWindow, MapPlaces& places)
    : session_(session), mainWindow_(mainWindow), places_(places)
{
    setWindowFlags(Qt::FramelessWindowHint);
    BeamKarte = new ImageWidget(this);
    BeamKarte->setObjectName(QStringLiteral("BeamKarte"));
    BeamKarte->hide();
    MouseMoveTimer = new QTimer(this);
    MouseMoveTimer->setInterval(400);
    MouseMoveTimer->setSingleShot(true);
    connectGuarded(MouseMoveTimer, &QTimer::timeout, this, &TForm10::MouseMoveTimerTimer);
    connectGuarded(BeamKarte, &ImageWidget::mouseMoved, this, &TForm10::BeamKarteMouseMove);
    connectGuarded(BeamKarte, &ImageWidget::mousePressed, this, &TForm10::BeamKarteMouseDown);

    connect(&session_, &Session::displayChanged, this, &TForm10::redrawIfShown);
    connect(&session_, &Session::rotorStatusChanged, this, &TForm10::followRotor);
    connect(&session_, &Session::rotorLinkLost, this, &TForm10::dropBeamLine);
    // Each window's part of a menu command runs on its own, so that a failure in one leaves the
    // others' parts done.
    connectGuarded(mainWindow_, &TFormA::beamMapRequested, this, &TForm10::Beamkarte1Click);
    connectGuarded(mainWindow_, &TFormA::beamZoomInRequested, this, &TForm10::ZoomPlusClick);
    connectGuarded(mainWindow_, &TFormA::beamZoomOutRequested, this, &TForm10::ZoomMinusClick);
    connect(mainWindow_, &TFormA::mercatorMapRequested, BeamKarte, &QWidget::hide);
    connectGuarded(mainWindow_, &TFormA::clientAreaResized, this, &TForm10::fillClientArea);
    ErrorBox::guard([this] { FormCreate(); });
}

QString TForm10::beamMapPath() const
{
    return session_.folders().writableFolder + QStringLiteral("Karten/BeamKarte.bmp");
}

void TForm10::FormCreate()
{
    drawState_.beamLineDrawn = false;

    const SettingsFile& ini = *session_.iniFile();
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
    session_.setCircleSpacingKm(spacingKm > 0 ? spacingKm : defaultCircleSpacingKm);
    places_.setPlace(MapPlaces::Tool::entry, MapPlaces::Map::beam,
                     {ini.readInteger(beamKeys::section, beamKeys::locatorX, 5),
                      ini.readInteger(beamKeys::section, beamKeys::locatorY, 350)});
    places_.setPlace(MapPlaces::Tool::crosshair, MapPlaces::Map::beam,
                     {ini.readInteger(beamKeys::section, beamKeys::crosshairX, 5),
                      ini.readInteger(beamKeys::section, beamKeys::crosshairY, 350)});
    const bool mercatorShown = ini.readBool(SettingsKeys::Main::section, SettingsKeys::Main::mercatorShown, true);

    // Placed in the main window before the file is read, so that an unreadable file still leaves
    // exactly one map image there: the Mercator map.
    BeamKarte->setParent(mainWindow_->clientArea());
    BeamKarte->move(0, 0);
    BeamKarte->setVisible(!mercatorShown);
    const auto showMercator = [this] {
        BeamKarte->hide();
        mainWindow_->showMercatorImage(true);
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
    SettingsFile& ini = *session_.iniFile();
    ini.writeInteger(beamKeys::section, beamKeys::height, BeamKarte->height());
    ini.writeInteger(beamKeys::section, beamKeys::width, BeamKarte->width());
    ini.writeInteger(beamKeys::section, beamKeys::zoom, zoomMargin);
    ini.writeInteger(SettingsKeys::Parameter::section, SettingsKeys::Parameter::distanceCircles, session_.circleSpacingKm());
    const QPoint entry = places_.place(MapPlaces::Tool::entry, MapPlaces::Map::beam);
    const QPoint crosshair = places_.place(MapPlaces::Tool::crosshair, MapPlaces::Map::beam);
    ini.writeInteger(beamKeys::section, beamKeys::locatorX, entry.x());
    ini.writeInteger(beamKeys::section, beamKeys::locatorY, entry.y());
    ini.writeInteger(beamKeys::section, beamKeys::crosshairX, crosshair.x());
    ini.writeInteger(beamKeys::section, beamKeys::crosshairY, crosshair.y());
    beamBitmap = QImage();
    beamMapLoaded = false;
}

// ---- Showing and generating -----------------------------------------------------------------

void TForm10::Beamkarte1Click()
{
    if (!currentBitmap())
        return;
    mainWindow_->showMercatorImage(false);
    BeamKarte->show();
    mainWindow_->setClientSize(BeamKarte->width(), BeamKarte->height());
    RedrawBeamMap();
    emit mapChosen();
    session_.iniFile()->writeBool(SettingsKeys::Main::section, SettingsKeys::Main::mercatorShown, false);
}

bool TForm10::currentBitmap()
{
    const auto same = [](const std::optional<GeoPosition>& a, const GeoPosition& b) {
        return a && a->longitude == b.longitude && a->latitude == b.latitude;
    };
    if (beamMapLoaded && same(BeamMapCache::recordedPosition(*session_.iniFile()), session_.ownPosition()))
        return true;
    // A failure is shown once per position, not at every redraw.
    if (generating_ || same(failedFor_, session_.ownPosition()))
        return beamMapLoaded;
    generating_ = true;
    try {
        GenerateBeamMap();
        failedFor_.reset();
    } catch (const std::exception& error) {
        failedFor_ = session_.ownPosition();
        ErrorBox::show(error);
    }
    generating_ = false;
    return beamMapLoaded;
}

void TForm10::GenerateBeamMap()
{
    QImage picture = BeamMapCache::build(session_.folders().programFolder + QStringLiteral("Karten/"),
                                         session_.ownPosition(), crosshairColour(session_).rgb(),
                                         QApplication::palette().color(QPalette::Button).rgb(), beamBitmapSize);
    BeamMapCache::save(picture, beamMapPath());
    BeamMapCache::record(*session_.iniFile(), session_.ownPosition());
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

bool TForm10::mapShown() const
{
    return !BeamKarte->isHidden();
}

void TForm10::redrawIfShown()
{
    if (mapShown())
        RedrawBeamMap();
}

void TForm10::fillClientArea()
{
    if (!mapShown())
        return;
    BeamKarte->setGeometry(0, 0, mainWindow_->clientHeight(), mainWindow_->clientHeight());
    RedrawBeamMap();
    mainWindow_->setClientSize(BeamKarte->width(), mainWindow_->clientHeight());
}

void TForm10::followRotor()
{
    if (!session_.rotorState().rotorAzimuth)
        dropBeamLine();
    else if (mapShown())
        DrawBeamLine();
}

void TForm10::dropBeamLine()
{
    EraseBeamLine();
    drawState_.beamLineDrawn = false;
}

void TForm10::RedrawBeamMap()
{
    if (!BeamKarte->isHidden())
        currentBitmap();
    if (!beamMapLoaded)
        return;
    BeamLayers layers;
    layers.circleSpacingKm = session_.circleSpacingKm();
    if (parameterWindow_ && parameterWindow_->citiesShown() == TForm3::OnOff::on)
        layers.cities = &session_.referenceData().cityTable;
    layers.markerSize = session_.cityMarkerSize();
    layers.own = session_.ownPosition();
    picture().paint(layers);
    if (session_.target().distance > targetPathFromKm)
        DrawTargetPath();
    drawState_.beamLineDrawn = false;  // the copy has painted over any antenna line
    BeamKarte->update();
}

void TForm10::DrawTargetPath()
{
    if (picture().view().valid())
        picture().drawTargetPath(session_.target().bearing, session_.target().distance, crosshairColour(session_));
}

void TForm10::DrawBeamLine()
{
    const auto azimuth = session_.rotorState().rotorAzimuth;  // degrees
    if (!beamMapLoaded || !azimuth)
        return;
    DrawState& drawn = drawState_;
    drawn.antennaDirection = *azimuth + session_.azimuthDisplayOffset();
    if (!drawn.beamLineDrawn)
        drawn.beamLineDirection.reset();
    if (drawn.beamLineDirection && std::fabs(*drawn.beamLineDirection - drawn.antennaDirection) < 1)
        return;
    EraseBeamLine();
    picture().invertAntennaLine(drawn.antennaDirection);
    drawn.beamLineDrawn = true;
    drawn.beamLineDirection = drawn.antennaDirection;
    BeamKarte->update();
}

void TForm10::EraseBeamLine()
{
    DrawState& drawn = drawState_;
    if (!drawn.beamLineDrawn || !drawn.beamLineDirection)
        return;
    if (const auto azimuth = session_.rotorState().rotorAzimuth)
        drawn.antennaDirection = *azimuth + session_.azimuthDisplayOffset();
    picture().invertAntennaLine(*drawn.beamLineDirection);
    BeamKarte->update();
}

// ---- Mouse and zoom -------------------------------------------------------------------------

void TForm10::BeamKarteMouseMove(QMouseEvent* event)
{
    const BeamView view(BeamKarte->height(), beamBitmap.width(), shownMargin());
    if (!view.valid())
        return;
    const QPoint mouse = event->position().toPoint();
    const BeamView::Spot spot = view.spotAt(mouse);
    if (spot.distanceKm > readableKm) {
        mainWindow_->hideCursorPanel();
        return;
    }
    const TForm3::OnOff readOut = parameterWindow_ ? parameterWindow_->mousePositionShown() : TForm3::OnOff::off;
    if (readOut == TForm3::OnOff::off)
        return;
    // Without a choice the panel keeps its state, but its lines follow the mouse.
    if (readOut == TForm3::OnOff::on) {
        MouseMoveTimer->start();  // restarts the 400 ms
        mainWindow_->showCursorPanel();
    }
    const GeoPosition& own = session_.ownPosition();
    if (!readoutProjection_ || readoutProjection_->own().latitude != own.latitude
        || readoutProjection_->own().longitude != own.longitude)
        readoutProjection_.emplace(own);
    const AzimuthalProjection::Point point = readoutProjection_->pointAt(spot.bearing, spot.distanceKm);
    const double longitude = static_cast<double>(AzimuthalProjection::shownLongitude(point.longitude));
    const double latitude = static_cast<double>(point.latitude);
    mainWindow_->placeCursorPanel(mouse, BeamKarte->size());
    QString country, prefix;
    session_.referenceData().lookupCountry(longitude, latitude, country, prefix);
    // The bearing of the screen position, which is what the antenna is turned to.
    const CursorReadout::Lines lines = cursorReadout_.linesAtBearing(own, longitude, latitude, country, spot.bearing);
    mainWindow_->showCursorLines(lines.position, lines.distance, lines.bearing, lines.country);
}

void TForm10::MouseMoveTimerTimer()
{
    mainWindow_->hideCursorPanel();
    MouseMoveTimer->stop();
}

void TForm10::BeamKarteMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ZoomMinusClick();
        return;
    }
    const BeamView view(BeamKarte->height(), beamBitmap.width(), shownMargin());
    if (!view.valid())
        return;
    const BeamView::Spot spot = view.spotAt(event->position().toPoint());
    if (spot.distanceKm > readableKm)
        return;
    const AzimuthalProjection::Point point =
        AzimuthalProjection(session_.ownPosition()).pointAt(spot.bearing, spot.distanceKm);
    // Bearing and distance are those of the screen position, as the picture shows them.
    TargetInfo target;
    target.longitude = static_cast<double>(AzimuthalProjection::shownLongitude(point.longitude));
    target.latitude = static_cast<double>(point.latitude);
    target.bearing = static_cast<double>(spot.bearing);
    target.distance = static_cast<double>(spot.distanceKm);
    session_.setTarget(target);
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

void TForm10::setParameterWindow(TForm3* parameterWindow)
{
    parameterWindow_ = parameterWindow;
}
