#include "beam/TForm10.h"

#include "app/Basis.h"
#include "app/ErrorBox.h"
#include "app/FileReplacement.h"
#include "app/ImageWidget.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "app/WindowGeometry.h"
#include "app/WindowPlace.h"
#include "beam/AzimuthalProjection.h"
#include "beam/BeamMapCache.h"
#include "beam/BeamPicture.h"
#include "entry/Positions.h"
#include "entry/TForm4.h"
#include "geo/AppError.h"
#include "geo/Rounding.h"
#include "mercator/CursorReadout.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "platform/WindowsColor.h"
#include "rotor/RotorState.h"
#include "settings/TForm3.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

TForm10* Form10 = nullptr;

namespace {

const QString beam = QStringLiteral("Beam");
constexpr int defaultCircleSpacingKm = 5000;
constexpr double noBeamLine = -1000;        // beamLineDirection when no line is on the image, degrees
constexpr long double readableKm = 20000;   // mouse read-outs and clicks reach this far, km
constexpr double targetPathFromKm = 5;      // nearer targets get no path, km

QColor crosshairColour()
{
    return WindowsColor::toQColor(Form2 ? Form2->crosshairColor : 0xFFFFFFu);
}

} // namespace

TForm10::TForm10()
{
    Form10 = this;
    setWindowFlags(Qt::FramelessWindowHint);
    BeamKarte = new ImageWidget(this);
    BeamKarte->setObjectName(QStringLiteral("BeamKarte"));
    BeamKarte->hide();
    MouseMoveTimer = new QTimer(this);
    MouseMoveTimer->setInterval(400);
    MouseMoveTimer->setSingleShot(true);
    connect(MouseMoveTimer, &QTimer::timeout, this, [this] { ErrorBox::guard([this] { MouseMoveTimerTimer(); }); });
    connect(BeamKarte, &ImageWidget::mouseMoved, this, [this](QMouseEvent* e) { ErrorBox::guard([&] { BeamKarteMouseMove(e); }); });
    connect(BeamKarte, &ImageWidget::mousePressed, this, [this](QMouseEvent* e) { ErrorBox::guard([&] { BeamKarteMouseDown(e); }); });
    ErrorBox::guard([this] { FormCreate(); });
}

QString TForm10::beamMapPath()
{
    return writableFolder + QStringLiteral("Karten/BeamKarte.bmp");
}

void TForm10::FormCreate()
{
    drawState.beamLineDrawn = false;

    BeamKarte->createScreenSurface();
    beamBitmap = QImage();
    beamMapLoaded = false;

    BeamKarte->resize(WindowGeometry::onScreen(0, 0, IniFile->readInteger(beam, QStringLiteral("Breit"), 500),
                                               IniFile->readInteger(beam, QStringLiteral("Hoch"), 500)).size());
    // A hand-edited margin outside the zoom range reads as no zoom; it must not overflow below.
    zoomMargin = IniFile->readInteger(beam, QStringLiteral("Zoom"), 0);
    if (zoomMargin < 0 || zoomMargin > 4 * beamBitmapSize / 10)
        zoomMargin = 0;
    circleSpacingKm = IniFile->readInteger(QStringLiteral("Parameter"), QStringLiteral("Kreise"), defaultCircleSpacingKm);
    // No circles at all or endless ones: a hand-edited spacing of 0 km or less is refused.
    if (circleSpacingKm <= 0)
        circleSpacingKm = defaultCircleSpacingKm;
    locatorPosX = IniFile->readInteger(beam, QStringLiteral("LocatorPos_X"), 5);
    locatorPosY = IniFile->readInteger(beam, QStringLiteral("LocatorPos_Y"), 350);
    crosshairPosX = IniFile->readInteger(beam, QStringLiteral("FadenkreuzanzeigePos_X"), 5);
    crosshairPosY = IniFile->readInteger(beam, QStringLiteral("FadenkreuzanzeigePos_Y"), 350);
    const bool mercatorShown = IniFile->readBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true);

    // Placed in the main window before the file is read, so that an unreadable file still leaves
    // exactly one map image there: the Mercator map.
    BeamKarte->setParent(FormA->clientArea());
    BeamKarte->move(0, 0);
    BeamKarte->setVisible(!mercatorShown);
    const auto showMercator = [this] {
        BeamKarte->hide();
        if (Form1)
            Form1->Karte->show();
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
    IniFile->writeInteger(beam, QStringLiteral("Hoch"), BeamKarte->height());
    IniFile->writeInteger(beam, QStringLiteral("Breit"), BeamKarte->width());
    IniFile->writeInteger(beam, QStringLiteral("Zoom"), zoomMargin);
    IniFile->writeInteger(QStringLiteral("Parameter"), QStringLiteral("Kreise"), circleSpacingKm);
    IniFile->writeInteger(beam, QStringLiteral("LocatorPos_X"), locatorPosX);
    IniFile->writeInteger(beam, QStringLiteral("LocatorPos_Y"), locatorPosY);
    IniFile->writeInteger(beam, QStringLiteral("FadenkreuzanzeigePos_X"), crosshairPosX);
    IniFile->writeInteger(beam, QStringLiteral("FadenkreuzanzeigePos_Y"), crosshairPosY);
    beamBitmap = QImage();
    beamMapLoaded = false;
}

// ---- Showing and generating -----------------------------------------------------------------

void TForm10::Beamkarte1Click()
{
    if (!currentBitmap())
        return;
    if (Form1)
        Form1->Karte->hide();
    BeamKarte->show();
    FormA->setClientSize(BeamKarte->width(), BeamKarte->height());
    RedrawBeamMap();
    if (Form4)
        WindowPlace::restore(Form4, {locatorPosX, locatorPosY});
    if (Form2)
        WindowPlace::restore(Form2, {crosshairPosX, crosshairPosY});
    IniFile->writeBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), false);
}

bool TForm10::currentBitmap()
{
    const auto same = [](const std::optional<GeoPosition>& a, const GeoPosition& b) {
        return a && a->longitude == b.longitude && a->latitude == b.latitude;
    };
    if (beamMapLoaded && same(BeamMapCache::recordedPosition(*IniFile), ownPosition))
        return true;
    // A failure is shown once per position, not at every redraw.
    if (generating_ || same(failedFor_, ownPosition))
        return beamMapLoaded;
    generating_ = true;
    try {
        GenerateBeamMap();
        failedFor_.reset();
    } catch (const std::exception& error) {
        failedFor_ = ownPosition;
        ErrorBox::show(error);
    }
    generating_ = false;
    return beamMapLoaded;
}

void TForm10::GenerateBeamMap()
{
    QImage picture = BeamMapCache::build(programFolder + QStringLiteral("Karten/"), ownPosition, crosshairColour().rgb(),
                                         QApplication::palette().color(QPalette::Button).rgb(), beamBitmapSize);
    BeamMapCache::save(picture, beamMapPath());
    BeamMapCache::record(*IniFile, ownPosition);
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

void TForm10::RedrawBeamMap()
{
    if (!BeamKarte->isHidden())
        currentBitmap();
    if (!beamMapLoaded)
        return;
    BeamLayers layers;
    layers.circleSpacingKm = circleSpacingKm;
    if (Form3 && Form3->citiesShown() == TForm3::OnOff::on)
        layers.cities = &cityTable;
    layers.markerSize = cityMarkerSize;
    layers.own = ownPosition;
    picture().paint(layers);
    if (target.distance > targetPathFromKm)
        DrawTargetPath();
    drawState.beamLineDrawn = false;  // the copy has painted over any antenna line
    BeamKarte->update();
}

void TForm10::DrawTargetPath()
{
    if (picture().view().valid())
        picture().drawTargetPath(target.bearing, target.distance, crosshairColour());
}

void TForm10::DrawBeamLine()
{
    if (!beamMapLoaded || rotorState.rotorAzimuth == RotorState::noStatus)
        return;
    drawState.antennaDirection = rotorState.rotorAzimuth + azimuthDisplayOffset;
    if (!drawState.beamLineDrawn)
        drawState.beamLineDirection = noBeamLine;
    if (std::fabs(drawState.beamLineDirection - drawState.antennaDirection) < 1)
        return;
    EraseBeamLine();
    picture().invertAntennaLine(drawState.antennaDirection);
    drawState.beamLineDrawn = true;
    drawState.beamLineDirection = drawState.antennaDirection;
    BeamKarte->update();
}

void TForm10::EraseBeamLine()
{
    if (!drawState.beamLineDrawn)
        return;
    drawState.antennaDirection = rotorState.rotorAzimuth + azimuthDisplayOffset;
    picture().invertAntennaLine(drawState.beamLineDirection);
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
        FormA->P_Cursor->hide();
        return;
    }
    const TForm3::OnOff readOut = Form3 ? Form3->mousePositionShown() : TForm3::OnOff::off;
    if (readOut == TForm3::OnOff::off)
        return;
    // Without a choice the panel keeps its state, but its lines follow the mouse.
    if (readOut == TForm3::OnOff::on) {
        MouseMoveTimer->start();  // restarts the 400 ms
        FormA->P_Cursor->raise();
        FormA->P_Cursor->show();
    }
    const AzimuthalProjection::Point point = AzimuthalProjection(ownPosition).pointAt(spot.bearing, spot.distanceKm);
    const double longitude = static_cast<double>(AzimuthalProjection::shownLongitude(point.longitude));
    const double latitude = static_cast<double>(point.latitude);
    FormA->P_Cursor->move(CursorReadout::panelPlace(mouse, FormA->P_Cursor->size(), BeamKarte->size()));
    QString country, prefix;
    FormA->lookupCountry(longitude, latitude, country, prefix);
    const CursorReadout::Lines lines = CursorReadout::lines(ownPosition, longitude, latitude, country);
    // The bearing of the screen position, which is what the antenna is turned to.
    FormA->showCursorLines(lines.position, lines.distance,
                           QStringLiteral("Antennenwinkel: %1°").arg(roundHalfEven(spot.bearing)), lines.country);
}

void TForm10::MouseMoveTimerTimer()
{
    FormA->P_Cursor->hide();
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
    const AzimuthalProjection::Point point = AzimuthalProjection(ownPosition).pointAt(spot.bearing, spot.distanceKm);
    // Bearing and distance are those of the screen position, as the picture shows them.
    target.longitude = static_cast<double>(AzimuthalProjection::shownLongitude(point.longitude));
    target.latitude = static_cast<double>(point.latitude);
    target.bearing = static_cast<double>(spot.bearing);
    target.distance = static_cast<double>(spot.distanceKm);
    if (Form2)
        Form2->ShowTargetData();
    RedrawBeamMap();
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
