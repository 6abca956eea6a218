// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/MercatorPicture.h"

#include "geo/MapTransforms.h"
#include "mapfiles/Bmp24File.h"
#include "mercator/LocatorGrid.h"
#include "mapfiles/StretchSampling.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Every drawing goes to the shown part of the surface, without antialiasing, so that pixels are
// either painted or not and inverting twice restores them.
void preparePainter(QPainter& painter, QSize size)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(QRect(QPoint(0, 0), size));
}

// The rows of a filled round dot of a diameter in pixels around pixel (0, 0): the pixels whose
// centres lie within the circle. An odd diameter centres it on the pixel, an even one on its
// top-left corner.
std::vector<QRect> roundDot(int diameter)
{
    std::vector<QRect> rows;
    const double radius = diameter / 2.0;
    const double shift = diameter % 2 == 0 ? 0.5 : 0.0;  // pixel centre to circle centre
    const int first = -(diameter / 2);
    const int last = (diameter - 1) / 2;
    for (int dy = first; dy <= last; ++dy) {
        int left = 1, right = 0;
        for (int dx = first; dx <= last; ++dx) {
            if ((dx + shift) * (dx + shift) + (dy + shift) * (dy + shift) <= radius * radius) {
                left = std::min(left, dx);
                right = std::max(right, dx);
            }
        }
        if (left <= right)
            rows.emplace_back(QPoint(left, dy), QPoint(right, dy));
    }
    return rows;
}

} // namespace

MercatorPicture::MercatorPicture(QImage& canvas, QSize size, const MapView& view)
    : canvas_(canvas), size_(size), view_(view)
{
}

double MercatorPicture::halfTurnDirection(double degrees)
{
    double direction = std::fmod(degrees, 360.0);
    if (direction > 180)
        direction -= 360;
    else if (direction <= -180)
        direction += 360;
    return direction;
}

void MercatorPicture::paintMap(const MapLayers& layers, const std::function<void(MapLayer::Stage)>& drawLayers)
{
    const auto layersAt = [&drawLayers](MapLayer::Stage stage) {
        if (drawLayers)
            drawLayers(stage);
    };
    if (layers.bitmap)
        copyMapPart(*layers.bitmap, layers.whole);
    else if (layers.file)
        copyMapPart(*layers.file, layers.whole);
    layersAt(MapLayer::Stage::shading);
    if (layers.cities)
        drawCityMarkers(*layers.cities, std::max(0, layers.markerSize), Qt::red);
    drawLocatorGrid(layers.gridLevel);
    layersAt(MapLayer::Stage::marks);
    if (layers.targetShown) {
        CirclePoints targetLine;
        SampleGreatCircle(halfTurnDirection(layers.target.bearing), layers.own.longitude, layers.own.latitude, targetLine);
        drawCircle(layers.own, targetLine, layers.crosshairColour, targetLineWidth);
        drawCrosshair(layers.target.longitude, layers.target.latitude, layers.crosshairColour);
    }
    layersAt(MapLayer::Stage::labels);
}

QPoint MercatorPicture::toPixel(double longitude, double latitude) const
{
    return {lonToViewX(view_, size_.width(), longitude), latToViewY(view_, size_.height(), latitude)};
}

QRect MercatorPicture::startCopy(QSize bitmapSize, const MapView& whole)
{
    const QPoint topLeft(lonToMapBitmapX(whole, bitmapSize.width(), view_.left),
                         latToMapBitmapY(whole, bitmapSize.height(), view_.top));
    const QPoint bottomRight(lonToMapBitmapX(whole, bitmapSize.width(), view_.right),
                             latToMapBitmapY(whole, bitmapSize.height(), view_.bottom));
    const QRect source(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    if (!QRect(QPoint(0, 0), bitmapSize).contains(source)) {
        QPainter painter(&canvas_);
        preparePainter(painter, size_);
        painter.fillRect(QRect(QPoint(0, 0), size_), Qt::white);
    }
    return source;
}

void MercatorPicture::copyMapPart(const QImage& bitmap, const MapView& whole)
{
    const QRect source = startCopy(bitmap.size(), whole);
    QPainter painter(&canvas_);
    preparePainter(painter, size_);
    painter.drawImage(QRect(QPoint(0, 0), size_), bitmap, source);
}

void MercatorPicture::copyMapPart(const Bmp24File& file, const MapView& whole)
{
    StretchSampling::copyShown(file, startCopy(file.size(), whole), canvas_, QRect(QPoint(0, 0), size_));
}

void MercatorPicture::drawCityMarkers(const std::vector<CityRecord>& cities, int markerSize, const QColor& color)
{
    QPainter painter(&canvas_);
    preparePainter(painter, size_);
    const std::vector<QRect> dot = roundDot(markerSize);
    for (const CityRecord& city : cities) {
        const QPoint centre = toPixel(city.longitude, city.latitude);
        for (const QRect& row : dot)
            painter.fillRect(row.translated(centre), color);
    }
}

void MercatorPicture::drawLocatorGrid(int level)
{
    // Written straight into the rows: at the finest level a painter stroke per line costs several
    // times the rest of the redraw. The pixels are those of one-pixel lines across the picture,
    // each line as many device pixels thick as one pixel covers on the surface.
    const QRgb black = qRgb(0, 0, 0);
    const qreal ratio = canvas_.devicePixelRatio();
    const auto device = [ratio](int pixel) { return int(std::floor(pixel * ratio)); };
    const int width = std::min(device(size_.width()), canvas_.width());
    const int height = std::min(device(size_.height()), canvas_.height());
    // Parallels first: a row they fill needs no meridian pixels, and at the finest level on a
    // small scale they fill almost every row.
    std::vector<bool> filled(std::size_t(std::max(height, 0)), false);
    for (const double latitude : LocatorGrid::parallels(view_, level)) {
        const int y = latToViewY(view_, size_.height(), latitude);
        for (int row = std::max(device(y), 0); row < std::min(device(y + 1), height); ++row) {
            if (filled[std::size_t(row)])
                continue;
            QRgb* const line = reinterpret_cast<QRgb*>(canvas_.scanLine(row));
            std::fill(line, line + width, black);
            filled[std::size_t(row)] = true;
        }
    }
    std::vector<int> columns;  // device pixels
    for (const double longitude : LocatorGrid::meridians(view_, level)) {
        const int x = lonToViewX(view_, size_.width(), longitude);
        // Lines closer than a pixel fall on the same columns; each is set once.
        for (int column = std::max(device(x), 0); column < std::min(device(x + 1), width); ++column)
            if (columns.empty() || columns.back() != column)
                columns.push_back(column);
    }
    if (columns.empty())
        return;
    for (int y = 0; y < height; ++y) {
        if (filled[std::size_t(y)])
            continue;
        QRgb* const line = reinterpret_cast<QRgb*>(canvas_.scanLine(y));
        for (const int x : columns)
            line[x] = black;
    }
}

std::vector<QPolygon> MercatorPicture::linePieces(const GeoPosition& own, const CirclePoints& points) const
{
    std::vector<QPolygon> pieces(1);
    pieces.back() << toPixel(own.longitude, own.latitude);
    double previousLongitude = own.longitude;
    for (int i = 1; i <= 180; ++i) {
        const double longitude = circleLongitude(points, i);
        if (std::isnan(longitude)) {
            pieces.emplace_back();
        } else {
            // The first segment, from the own station, is always drawn.
            if (i > 1 && !pieces.back().isEmpty() && std::fabs(longitude - previousLongitude) >= 200.0)
                pieces.emplace_back();
            pieces.back() << toPixel(longitude, circleLatitude(points, i));
        }
        previousLongitude = longitude;
    }
    std::vector<QPolygon> drawable;
    for (QPolygon& piece : pieces)
        if (piece.size() > 1)
            drawable.push_back(std::move(piece));
    return drawable;
}

void MercatorPicture::strokePieces(const std::vector<QPolygon>& pieces, const QPen& pen, bool invert)
{
    QPainter painter(&canvas_);
    preparePainter(painter, size_);
    if (invert)
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(pen);
    // One polyline per piece, so that no pixel of a piece is inverted twice at its joints.
    for (const QPolygon& piece : pieces)
        painter.drawPolyline(piece);
}

void MercatorPicture::drawCircle(const GeoPosition& own, const CirclePoints& points, const QColor& color, int width)
{
    strokePieces(linePieces(own, points), QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), false);
}

void MercatorPicture::invertCircle(const GeoPosition& own, const CirclePoints& points)
{
    strokePieces(linePieces(own, points), QPen(Qt::black, invertedLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
                 true);
}

void MercatorPicture::fillSector(const GeoPosition& own, double direction, double openingAngle, const QColor& colour)
{
    // The area in degrees, longitudes unwrapped along each edge so that it is one polygon; the two
    // edges meet again at the antipode, a turn apart when the area holds a pole, which then closes
    // it along the pole's edge of the map.
    const auto edge = [&own](double bearing) {
        CirclePoints points;
        SampleGreatCircle(halfTurnDirection(bearing), own.longitude, own.latitude, points);
        QPolygonF line;
        double previous = own.longitude;
        for (int i = 1; i <= 180; ++i) {
            double longitude = circleLongitude(points, i);
            if (std::isnan(longitude))
                continue;
            longitude += 360.0 * std::round((previous - longitude) / 360.0);
            line << QPointF(longitude, circleLatitude(points, i));
            previous = longitude;
        }
        return line;
    };
    const QPolygonF left = edge(direction - openingAngle / 2), right = edge(direction + openingAngle / 2);
    if (left.isEmpty() || right.isEmpty())
        return;
    QPolygonF area;
    area << QPointF(own.longitude, own.latitude) << left;
    if (std::fabs(left.last().x() - right.last().x()) > 180) {
        const double pole = std::cos((direction - 180) * 3.14159265358979323846 / 180) > 0 ? -90 : 90;  // degrees
        area << QPointF(left.last().x(), pole) << QPointF(right.last().x(), pole);
    }
    for (auto it = right.crbegin(); it != right.crend(); ++it)
        area << *it;
    const double pixelsPerDegreeX = size_.width() / (view_.right - view_.left);
    const double pixelsPerDegreeY = size_.height() / (view_.top - view_.bottom);
    QPolygonF pixels;
    for (const QPointF& degrees : area)
        pixels << QPointF((degrees.x() - view_.left) * pixelsPerDegreeX, (view_.top - degrees.y()) * pixelsPerDegreeY);
    QPainter painter(&canvas_);
    preparePainter(painter, size_);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    // The map shows one turn of longitudes: the area as far as it reaches into the turns either side.
    for (int turn = -1; turn <= 1; ++turn)
        painter.drawPolygon(pixels.translated(turn * 360 * pixelsPerDegreeX, 0), Qt::WindingFill);
}

void MercatorPicture::drawCrosshair(double longitude, double latitude, const QColor& color)
{
    QPainter painter(&canvas_);
    preparePainter(painter, size_);
    painter.setPen(QPen(color, 1));
    const QPoint centre = toPixel(longitude, latitude);
    painter.drawLine(centre.x(), 0, centre.x(), size_.height());
    painter.drawLine(0, centre.y(), size_.width(), centre.y());
}

void MercatorPicture::invertFocusRect(const QRect& rect)
{
    QPainter painter(&canvas_);
    preparePainter(painter, size_);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    // The outline lies inside the rectangle; right and bottom are exclusive, as for a focus rectangle.
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}
