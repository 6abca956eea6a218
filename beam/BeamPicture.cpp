// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamPicture.h"

#include "base/Rounding.h"
#include "beam/AzimuthalProjection.h"
#include "mapfiles/Bmp24File.h"
#include "mapfiles/StretchSampling.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

// Every drawing goes to the shown square of the surface, without antialiasing, so that pixels are
// either painted or not and inverting twice restores them.
void preparePainter(QPainter& painter, int side)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(QRect(0, 0, side, side));
}

} // namespace

BeamPicture::BeamPicture(QImage& canvas, int side, const QImage& bitmap, int zoomMargin)
    : canvas_(canvas), side_(side), bitmap_(&bitmap), bitmapSize_(bitmap.size()), zoomMargin_(zoomMargin),
      view_(side, bitmap.width(), zoomMargin)
{
}

BeamPicture::BeamPicture(QImage& canvas, int side, const Bmp24File& file, int zoomMargin)
    : canvas_(canvas), side_(side), file_(&file), bitmapSize_(file.size()), zoomMargin_(zoomMargin),
      view_(side, file.size().width(), zoomMargin)
{
}

void BeamPicture::paint(const BeamLayers& layers, const std::function<void(MapLayer::Stage)>& drawLayers)
{
    if (!view_.valid())
        return;
    copyBitmap();
    if (drawLayers)
        drawLayers(MapLayer::Stage::shading);
    drawSpokes();
    drawCircles(layers.circleSpacingKm);
    if (layers.cities)
        drawCityDots(*layers.cities, layers.markerSize, layers.own);
    if (drawLayers)
        drawLayers(MapLayer::Stage::marks);
}

void BeamPicture::copyBitmap()
{
    const QRect source(zoomMargin_, zoomMargin_, bitmapSize_.width() - 2 * zoomMargin_,
                       bitmapSize_.height() - 2 * zoomMargin_);
    const QRect shown(0, 0, side_, side_);
    if (file_) {
        StretchSampling::copyShown(*file_, source, canvas_, shown);
        return;
    }
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    painter.drawImage(shown, *bitmap_, source);
}

void BeamPicture::drawSpokes()
{
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    painter.setPen(QPen(Qt::black, 1));
    const QPoint centre(view_.centre(), view_.centre());
    for (int i = 0; i < 12; ++i)
        painter.drawLine(view_.polar(30 * i, view_.centre() * view_.magnification()), centre);
}

void BeamPicture::drawCircles(int spacingKm)
{
    if (spacingKm <= 0)
        return;
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    painter.setPen(QPen(Qt::black, 1));
    for (int n = 1; static_cast<long double>(n) * spacingKm < AzimuthalProjection::antipodeKm; ++n) {
        const long double radius = view_.radiusOf(static_cast<long double>(n) * spacingKm);  // pixels
        QPolygon circle;
        for (int degrees = 0; degrees <= 360; ++degrees)
            circle << view_.polar(degrees, radius);
        painter.drawPolyline(circle);
    }
}

void BeamPicture::drawCityDots(const std::vector<CityRecord>& cities, int markerSize, const GeoPosition& own)
{
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    // A zero-length line with a round pen is a dot of the pen's width.
    painter.setPen(QPen(Qt::red, std::max(0, markerSize), Qt::SolidLine, Qt::RoundCap));
    for (const CityRecord& city : cities)
        painter.drawPoint(view_.pixelOf(own, city.longitude, city.latitude));
}

void BeamPicture::drawTargetPath(double bearing, double distanceKm, const QColor& colour)
{
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    painter.setPen(QPen(colour, pathWidth));
    const long double shownKm = view_.magnification() * distanceKm;  // km at magnification 1
    const long double pixelsPerKm = view_.pixelsPerKm();
    painter.drawLine(view_.polar(bearing, (shownKm + pathBeyondKm) * pixelsPerKm), QPoint(view_.centre(), view_.centre()));
    const int middle = roundHalfEven(bearing);  // degrees
    QPolygon arc;
    for (int degrees = middle - arcHalfWidth; degrees <= middle + arcHalfWidth; ++degrees)
        arc << view_.polar(degrees, shownKm * pixelsPerKm);
    painter.drawPolyline(arc);
}

long double BeamPicture::antennaLineLength() const
{
    return (antennaLineKm * view_.magnification() + pathBeyondKm) * view_.pixelsPerKm();
}

void BeamPicture::fillSector(double direction, double openingAngle, const QColor& colour)
{
    if (!view_.valid())
        return;
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    // As far as the antenna line, but not beyond the map's rim, the antipode.
    const double radius = double(std::min(antennaLineLength(), view_.radiusOf(AzimuthalProjection::antipodeKm)));
    const QPointF centre(view_.centre(), view_.centre());
    // Qt counts angles anticlockwise from east in sixteenths of a degree.
    painter.drawPie(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                    int(std::lround((90 - direction - openingAngle / 2) * 16)), int(std::lround(openingAngle * 16)));
}

void BeamPicture::invertAntennaLine(double direction)
{
    if (!view_.valid())
        return;
    QPainter painter(&canvas_);
    preparePainter(painter, side_);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, pathWidth));
    const long double length = antennaLineLength();
    painter.drawLine(view_.polar(direction, length), QPoint(view_.centre(), view_.centre()));
}
