// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/TForm10.h"

#include "readout/MapHost.h"
#include "settings/BeamSettings.h"
#include "settings/MainWindowSettings.h"
#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "base/Rounding.h"
#include "beam/AzimuthalProjection.h"
#include "beam/BeamMapCache.h"
#include "beam/BeamMapWriter.h"
#include "beam/BeamPicture.h"
#include "beam/BeamProjection.h"
#include "mapfiles/Bmp24File.h"
#include "mapfiles/BmpReader.h"
#include "platform/WindowsColor.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/ImageWidget.h"
#include "widgets/WindowGeometry.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double targetPathFromKm = 5;      // nearer targets get no path, km

QColor crosshairColour(const Session& session)
{
    return WindowsColor::toQColor(session.crosshairColor());
}

} // namespace

TForm10::TForm10(Session& session, MapHost& host, BeamSettings& settings, MainWindowSettings& mainSettings,
                 const ParameterSettings& parameters, DecodedBitmaps& bitmaps, int bitmapSide)
    : MapWindow(session, host, parameters, QStringLiteral("BeamKarte")), settings_(settings),
      mainSettings_(mainSettings), bitmaps_(bitmaps),
      bitmapSide_(bitmapSide)
{
    BeamKarte = image();
    BeamKarte->hide();
    connectGuarded(BeamKarte, &ImageWidget::mouseMoved, this, &TForm10::BeamKarteMouseMove);
    connectGuarded(BeamKarte, &ImageWidget::mousePressed, this, &TForm10::BeamKarteMouseDown);
    writer_ = new BeamMapWriter();
    writer_->setParent(this);
    connectGuarded(writer_, &BeamMapWriter::written, this, &TForm10::fileWritten);
    connect(writer_, &BeamMapWriter::failed, this, [](const GeoPosition&, const QString& message) { ErrorBox::show(message); });
    ErrorBox::guard([this] { FormCreate(); });
}

TForm10::~TForm10() = default;

QString TForm10::beamMapPath() const
{
    return session_.folders().beamMapFile();
}

void TForm10::FormCreate()
{
    drawState_.beamLineDrawn = false;

    beamBitmap_ = QImage();
    beamMapLoaded_ = false;

    const QSize stored = settings_.imageSize();
    BeamKarte->resize(WindowGeometry::onScreen(0, 0, stored.width(), stored.height()).size());
    // A hand-edited margin outside the zoom range reads as no zoom; it must not overflow below.
    zoomMargin_ = settings_.zoom();
    if (zoomMargin_ < 0 || zoomMargin_ > 4 * bitmapSide_ / 10)
        zoomMargin_ = 0;
    const bool mercatorShown = mainSettings_.mercatorShown();

    // Placed in the main window before the file is read, so that an unreadable file still leaves
    // exactly one map image there: the Mercator map.
    BeamKarte->setParent(host_.clientArea());
    BeamKarte->move(0, 0);
    BeamKarte->setVisible(!mercatorShown);
    if (mercatorShown) {
        // Hidden: its drawing surface and the cached picture (tens of megabytes) wait until the
        // main window has been painted, or until the beam map is needed before.
        putOffUntilFirstPaint();
        return;
    }
    BeamKarte->createScreenSurface();
    try {
        if (readCachedMap(true))
            return;
    } catch (...) {
        hideBeamImage();
        throw;
    }
    hideBeamImage();
}

void TForm10::hideBeamImage()
{
    BeamKarte->hide();
    host_.showMercatorImage(true);
}

bool TForm10::readCachedMap(bool putOff)
{
    FileReplacement::removeLeftovers(beamMapPath());
    if (!QFile::exists(beamMapPath()))
        return false;
    if (putOff) {
        shownFile_ = std::make_unique<Bmp24File>(beamMapPath());
        if (shownFile_->isValid()) {
            beamMapLoaded_ = true;
            bitmapFor_ = settings_.cacheCentre();
            // Its tens of megabytes decoded would hold up the first paint.
            loadAfterFirstPaint();
            return true;
        }
        shownFile_.reset();
    }
    QImage loaded = BmpReader::read(beamMapPath());
    if (loaded.isNull())
        throw AppError(tr("Die Beamkarte %1 kann nicht gelesen werden").arg(beamMapPath()));
    beamBitmap_ = std::move(loaded);
    beamMapLoaded_ = true;
    bitmapFor_ = settings_.cacheCentre();
    return true;
}

int TForm10::bitmapWidth() const
{
    return shownFile_ ? shownFile_->size().width() : beamBitmap_.width();
}

void TForm10::loadPutOff()
{
    // The file shown at start is decoded in place of being read from; a picture loaded or built
    // since stays.
    if (shownFile_) {
        shownFile_.reset();
        beamMapLoaded_ = false;
    } else if (beamMapLoaded_) {
        return;
    }
    readCachedMap();
}

void TForm10::FormDestroy()
{
    // A quit while the picture is being written waits for the file, so that it and the position
    // recorded beside it agree.
    writer_->finish();
    settings_.setImageSize(BeamKarte->size());
    settings_.setZoom(zoomMargin_);
    settings_.savePlaces();
    beamBitmap_ = QImage();
    shownFile_.reset();
    beamMapLoaded_ = false;
}

// ---- Showing and generating -----------------------------------------------------------------

void TForm10::Beamkarte1Click()
{
    if (!currentBitmap())
        return;
    saveIfBehind();
    host_.showMercatorImage(false);
    BeamKarte->show();
    host_.setClientSize(BeamKarte->width(), BeamKarte->height());
    RedrawBeamMap();
    emit mapChosen();
    mainSettings_.setMercatorShown(false);
}

bool TForm10::currentBitmap()
{
    prepare();
    const auto same = [](const std::optional<GeoPosition>& a, const GeoPosition& b) {
        return a && a->longitude == b.longitude && a->latitude == b.latitude;
    };
    if (beamMapLoaded_ && same(bitmapFor_, session_.ownPosition()))
        return true;
    // A failure is shown once per position, not at every redraw.
    if (generating_ || same(failedFor_, session_.ownPosition()))
        return beamMapLoaded_;
    generating_ = true;
    try {
        GenerateBeamMap();
        failedFor_.reset();
    } catch (const std::exception& error) {
        failedFor_ = session_.ownPosition();
        ErrorBox::show(error);
    }
    generating_ = false;
    return beamMapLoaded_;
}

void TForm10::GenerateBeamMap()
{
    prepare();
    // The picture is drawn into beamBitmap_'s memory, which the write of the last one may still read.
    writer_->abandon();
    shownFile_.reset();
    BeamMapCache::build(beamBitmap_, bitmaps_, session_.folders().dataFolder + QStringLiteral("Karten/"),
                        session_.ownPosition(), crosshairColour(session_).rgb(),
                        QApplication::palette().color(QPalette::Button).rgb(), bitmapSide_);
    beamMapLoaded_ = true;
    bitmapFor_ = session_.ownPosition();
    fileBehind_ = true;
    // Written after the picture is shown; a failure is reported then and the file tried again at
    // the next choice of the beam map.
    writer_->start(beamBitmap_, beamMapPath(), session_.ownPosition());
}

void TForm10::saveIfBehind()
{
    if (fileBehind_ && bitmapFor_ && !writer_->running())
        writer_->start(beamBitmap_, beamMapPath(), *bitmapFor_);
}

void TForm10::fileWritten(const GeoPosition& own)
{
    fileBehind_ = false;
    settings_.setCacheCentre(own);
}

// ---- Drawing --------------------------------------------------------------------------------

int TForm10::shownMargin() const
{
    return std::clamp(zoomMargin_, 0, 4 * bitmapWidth() / 10);
}

BeamPicture TForm10::picture()
{
    if (shownFile_)
        return BeamPicture(BeamKarte->canvas(), BeamKarte->height(), *shownFile_, shownMargin());
    return BeamPicture(BeamKarte->canvas(), BeamKarte->height(), beamBitmap_, shownMargin());
}

BeamView TForm10::view() const
{
    return BeamView(BeamKarte->height(), bitmapWidth(), shownMargin());
}

std::unique_ptr<MapProjection> TForm10::projection()
{
    const BeamView shown = view();
    if (!shown.valid())
        return nullptr;
    const GeoPosition& own = session_.ownPosition();
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
    drawState_.beamLineDrawn = false;
    if (sectorBehind())
        redrawIfShown();
}

void TForm10::RedrawBeamMap()
{
    if (!BeamKarte->isHidden())
        currentBitmap();
    if (!beamMapLoaded_)
        return;
    BeamLayers layers;
    layers.circleSpacingKm = parameters_.circleSpacingKm();
    if (parameters_.citiesShown() == ParameterSettings::OnOff::on)
        layers.cities = &session_.referenceData().cityTable.get();
    layers.markerSize = parameters_.cityMarkerSize();
    layers.own = session_.ownPosition();
    const std::unique_ptr<MapProjection> shown = projection();
    const auto layersAt = [&](MapLayer::Stage stage) {
        if (shown)
            drawLayers(BeamKarte->canvas(), *shown, stage);
    };
    picture().paint(layers, layersAt);
    if (session_.target().distance > targetPathFromKm)
        DrawTargetPath();
    layersAt(MapLayer::Stage::labels);
    drawSector([this](double direction, const QColor& colour) {
        picture().fillSector(direction, parameters_.openingAngleDegrees(), colour);
    });
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
    if (!beamMapLoaded_ || !azimuth)
        return;
    // The beam is part of the picture: moved, the picture is drawn anew, the line after it.
    if (sectorBehind())
        RedrawBeamMap();
    DrawState& drawn = drawState_;
    drawn.antennaDirection = *azimuth + parameters_.displayOffsetDegrees();
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
        drawn.antennaDirection = *azimuth + parameters_.displayOffsetDegrees();
    picture().invertAntennaLine(*drawn.beamLineDirection);
    BeamKarte->update();
}

// ---- Mouse and zoom -------------------------------------------------------------------------

void TForm10::BeamKarteMouseMove(QMouseEvent* event)
{
    const std::unique_ptr<MapProjection> shown = projection();
    if (!shown)
        return;
    // Without a choice the panel keeps its state, but its lines follow the mouse.
    const ParameterSettings::OnOff choice = parameters_.mousePositionShown();
    readOut(ImageWidget::pixelAt(event), *shown,
            choice == ParameterSettings::OnOff::on
                ? PanelUse::show
                : (choice == ParameterSettings::OnOff::none ? PanelUse::follow : PanelUse::none));
}

void TForm10::BeamKarteMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ZoomMinusClick();
        return;
    }
    if (const std::unique_ptr<MapProjection> shown = projection())
        makeTarget(ImageWidget::pixelAt(event), *shown);
}

void TForm10::ZoomPlusClick()
{
    const int step = bitmapWidth() / 10;  // bitmap pixels
    zoomMargin_ += step;
    if (zoomMargin_ > 4 * bitmapWidth() / 10) {
        zoomMargin_ -= step;
        return;
    }
    RedrawBeamMap();
}

void TForm10::ZoomMinusClick()
{
    zoomMargin_ = std::max(0, zoomMargin_ - bitmapWidth() / 10);
    RedrawBeamMap();
}

void TForm10::hideMap()
{
    BeamKarte->hide();
}
