// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/MapLabelLayer.h"

#include "geo/GeoConstants.h"
#include "geo/MapProjection.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double antipodeKm = double(earthRadiusKm * geo_detail::pi);
constexpr int rimGap = 3;           // pixels between a label and the disc's rim
constexpr int spokeGap = 3;         // pixels between a label and its spoke
constexpr int ownMarkerRadius = 4;  // pixels

// Black text with a one-pixel white halo, so that it reads on land, sea, day and night; at the
// baseline's left end.
void haloText(QPainter& painter, QPointF at, const QString& text)
{
    painter.setPen(Qt::white);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0)
                painter.drawText(at + QPointF(dx, dy), text);
    painter.setPen(Qt::black);
    painter.drawText(at, text);
}

// A spoke's label beside it, on the clockwise side, as far out as its box stays inside the rim
// (radius, pixels). Bearing in degrees.
void spokeLabel(QPainter& painter, QPointF centre, double radius, int bearing, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    const double halfWidth = (metrics.horizontalAdvance(text) + 2) / 2.0;  // pixels, halo included
    const double halfHeight = (metrics.ascent() + metrics.descent() + 2) / 2.0;
    const double angle = bearing * double(degToRad);
    const QPointF out(std::sin(angle), -std::cos(angle)), across(std::cos(angle), std::sin(angle));
    // The box's half extents along the spoke and across it.
    const double along = std::abs(out.x()) * halfWidth + std::abs(out.y()) * halfHeight;
    const double aside = std::abs(across.x()) * halfWidth + std::abs(across.y()) * halfHeight + spokeGap;
    const double reach = radius - rimGap;
    const double distance = std::sqrt(std::max(0.0, reach * reach - 4 * aside * aside)) - along;
    const QPointF middle = centre + out * distance + across * aside;
    haloText(painter, QPointF(middle.x() - halfWidth + 1, middle.y() + halfHeight - 1 - metrics.descent()), text);
}

} // namespace

MapLabelLayer::MapLabelLayer(std::function<GeoPosition()> ownPosition, std::function<int()> circleSpacingKm)
    : ownPosition_(std::move(ownPosition)), circleSpacingKm_(std::move(circleSpacingKm))
{
}

void MapLabelLayer::draw(QPainter& painter, const MapProjection& projection) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (projection.columnsAreMeridians()) {
        const QPoint own = projection.pixelOf(ownPosition_());
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(own, ownMarkerRadius, ownMarkerRadius);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawEllipse(own, ownMarkerRadius, ownMarkerRadius);
        painter.drawPoint(own);
    } else if (const auto disc = projection.disc()) {
        const QPointF centre(disc->centreX, disc->centreY);
        // At the disc's edge, or at the picture's where a zoom has cut the edge off.
        const double edge = std::min(disc->antipodeRadius, std::min(disc->centreX, disc->centreY));
        static const char* const compass[] = {
            QT_TRANSLATE_NOOP("MapLabelLayer", "N"), QT_TRANSLATE_NOOP("MapLabelLayer", "O"),
            QT_TRANSLATE_NOOP("MapLabelLayer", "S"), QT_TRANSLATE_NOOP("MapLabelLayer", "W")};
        for (int spoke = 0; spoke < 12; ++spoke) {
            const int bearing = 30 * spoke;  // degrees
            spokeLabel(painter, centre, edge, bearing,
                       bearing % 90 == 0 ? QCoreApplication::translate("MapLabelLayer", compass[bearing / 90])
                                         : QStringLiteral("%1°").arg(bearing));
        }
        const int spacing = circleSpacingKm_();
        const QLocale german(QLocale::German, QLocale::Germany);
        const QFontMetrics metrics(painter.font());
        for (int n = 1; spacing > 0 && double(n) * spacing < antipodeKm; ++n) {
            const double radius = disc->antipodeRadius * n * spacing / antipodeKm;  // pixels
            if (radius > edge - 2 * metrics.height())
                break;
            haloText(painter, QPointF(centre.x() + 3, centre.y() - radius - 2), german.toString(n * spacing) + QStringLiteral(" km"));
        }
    }
    painter.restore();
}
