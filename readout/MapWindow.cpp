// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/MapWindow.h"

#include "readout/CursorPanel.h"
#include "readout/MapHost.h"
#include "geo/MapLayer.h"
#include "geo/MapProjection.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "widgets/AfterFirstPaint.h"
#include "widgets/ErrorBox.h"
#include "widgets/ImageWidget.h"

#include <QPainter>
#include <QPointer>

#include <cmath>

MapWindow::MapWindow(Session& session, MapHost& host, const ParameterSettings& parameters,
                     const QString& imageName)
    : session_(session), host_(host), parameters_(parameters)
{
    setWindowFlags(Qt::FramelessWindowHint);
    image_ = new ImageWidget(this);
    image_->setObjectName(imageName);
    connect(image_, &ImageWidget::surfaceRenewed, this, &MapWindow::redrawIfShown);
    connect(&session_, &Session::crosshairColorChanged, this, &MapWindow::redrawIfShown);
    connect(&parameters_, &ParameterSettings::cityMarkerSizeChanged, this, &MapWindow::redrawIfShown);
    connect(&parameters_, &ParameterSettings::displayOffsetChanged, this, &MapWindow::redrawIfShown);
    connect(&session_, &Session::rotorStatusChanged, this, &MapWindow::followRotor);
    connect(&session_, &Session::rotorLinkLost, this, [this] { eraseAntennaLine(); });
}

void MapWindow::drawSector(const std::function<void(double, const QColor&)>& fill)
{
    static const QColor colour(255, 210, 0, 90);
    static const QColor longPathColour(255, 210, 0, 40);
    drawnSector_ = wantedSector();
    if (!drawnSector_)
        return;
    fill(drawnSector_->direction, colour);
    if (drawnSector_->longPath)
        fill(drawnSector_->direction + 180, longPathColour);
}

bool MapWindow::Sector::operator==(const Sector& other) const
{
    return longPath == other.longPath && std::fabs(direction - other.direction) < 1;
}

std::optional<MapWindow::Sector> MapWindow::wantedSector() const
{
    const RotorState& rotor = session_.rotorState();
    if (parameters_.openingAngleDegrees() <= 0 || !rotor.rotorConnected || !rotor.rotorAzimuth)
        return std::nullopt;
    const double direction = *rotor.rotorAzimuth + parameters_.displayOffsetDegrees();  // degrees
    const TargetInfo& target = session_.target();
    // Degrees between the antenna and the target's short path, 0 to 180.
    const double offTarget = std::fabs(std::remainder(direction - target.bearing, 360.0));
    return Sector{direction, target.isSet() && offTarget > 90};
}

bool MapWindow::sectorBehind() const
{
    const std::optional<Sector> wanted = wantedSector();
    if (!wanted || !drawnSector_)
        return wanted.has_value() != drawnSector_.has_value();
    return !(*wanted == *drawnSector_);
}

bool MapWindow::mapShown() const
{
    return !image_->isHidden();
}

void MapWindow::redrawIfShown()
{
    if (mapShown())
        redraw();
}

void MapWindow::putOffUntilFirstPaint()
{
    preparationDue_ = true;
    afterFirstPaint(image_->window(), [](MapWindow& map) { map.prepare(); });
}

void MapWindow::loadAfterFirstPaint()
{
    afterFirstPaint(image_, [](MapWindow& map) { ErrorBox::guard([&map] { map.loadPutOff(); }); });
}

void MapWindow::afterFirstPaint(QWidget* painted, void (*step)(MapWindow&))
{
    const QPointer<MapWindow> self(this);
    AfterFirstPaint::run(painted, [self, step] {
        if (self)
            step(*self);
    });
}

void MapWindow::prepare()
{
    if (!preparationDue_)
        return;
    preparationDue_ = false;
    image_->createScreenSurface();
    ErrorBox::guard([this] { loadPutOff(); });
}

void MapWindow::addLayer(const MapLayer& layer)
{
    layers_.push_back(&layer);
}

void MapWindow::fillClientArea()
{
    if (!mapShown())
        return;
    const std::optional<QSize> size = filledSize(host_.clientArea()->size());
    if (!size)
        return;
    image_->setGeometry(0, 0, size->width(), size->height());
    redraw();
    host_.setClientSize(image_->width(), image_->height());
}

void MapWindow::followRotor()
{
    if (!session_.rotorState().rotorAzimuth)
        eraseAntennaLine();
    else if (mapShown())
        drawAntennaLine();
}

void MapWindow::readOut(QPoint mouse, const MapProjection& projection, PanelUse use)
{
    const std::optional<GeoPosition> position = projection.positionAt(mouse);
    if (!position) {
        host_.cursorPanel().hide();
        return;
    }
    if (use == PanelUse::none)
        return;
    if (use == PanelUse::show)
        host_.cursorPanel().showOnTop();
    placeCursorPanel(mouse);
    QString country, prefix;
    session_.referenceData().lookupCountry(position->longitude, position->latitude, country, prefix);
    const std::optional<MapProjection::Measured> measured = projection.measuredAt(mouse);
    const CursorReadout::Lines lines = measured
        ? cursorReadout_.linesAtBearing(session_.ownPosition(), position->longitude, position->latitude, country,
                                        measured->bearing)
        : cursorReadout_.lines(session_.ownPosition(), position->longitude, position->latitude, country);
    host_.cursorPanel().showLines(lines.position, lines.distance, lines.bearing, lines.country);
}

void MapWindow::placeCursorPanel(QPoint mouse)
{
    host_.cursorPanel().placeBeside(mouse, image_->size());
}

bool MapWindow::makeTarget(QPoint pixel, const MapProjection& projection)
{
    // A marker of a layer on top answers the click before the map does.
    for (auto layer = layers_.rbegin(); layer != layers_.rend(); ++layer)
        if ((*layer)->takeClick(pixel, projection))
            return true;
    const std::optional<GeoPosition> position = projection.positionAt(pixel);
    if (!position)
        return false;
    const std::optional<MapProjection::Measured> measured = projection.measuredAt(pixel);
    if (!measured) {
        session_.setTarget(position->longitude, position->latitude);
        return true;
    }
    // Bearing and distance are those of the screen position, as the picture shows them.
    TargetInfo target;
    target.longitude = position->longitude;
    target.latitude = position->latitude;
    target.bearing = static_cast<double>(measured->bearing);
    target.distance = static_cast<double>(measured->distanceKm);
    session_.setTarget(target);
    return true;
}

void MapWindow::drawLayers(QImage& canvas, const MapProjection& projection, MapLayer::Stage stage) const
{
    if (layers_.empty())
        return;
    QPainter painter(&canvas);
    // The surface reaches beyond the picture: layers keep to the part the image shows.
    painter.setClipRect(QRect(QPoint(0, 0), image_->size()));
    for (const MapLayer* layer : layers_)
        if (layer->stage() == stage)
            layer->draw(painter, projection);
}
