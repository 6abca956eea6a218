// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/MapLabelLayer.h"

#include "geo/GeoConstants.h"
#include "geo/MapProjection.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double antipodeKm = double(earthRadiusKm * geo_detail::pi);
constexpr int edgeMargin = 10;     // pixels between the disc's edge and the middle of a label
constexpr int ownMarkerRadius = 4;  // pixels

// The text centred on a point.
void centredText(QPainter& painter, QPointF at, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) / 2.0, at.y() + metrics.ascent() / 2.0 - 1), text);
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
        const double edge = std::min(disc->antipodeRadius, std::min(disc->centreX, disc->centreY)) - edgeMargin;
        painter.setPen(Qt::black);
        static const char* const compass[] = {"N", "O", "S", "W"};
        for (int spoke = 0; spoke < 12; ++spoke) {
            const int bearing = 30 * spoke;  // degrees
            const double angle = bearing * double(degToRad);
            const QPointF at(centre.x() + std::sin(angle) * edge, centre.y() - std::cos(angle) * edge);
            centredText(painter, at, bearing % 90 == 0 ? QString::fromLatin1(compass[bearing / 90])
                                                       : QStringLiteral("%1°").arg(bearing));
        }
        const int spacing = circleSpacingKm_();
        const QLocale german(QLocale::German, QLocale::Germany);
        const QFontMetrics metrics(painter.font());
        for (int n = 1; spacing > 0 && double(n) * spacing < antipodeKm; ++n) {
            const double radius = disc->antipodeRadius * n * spacing / antipodeKm;  // pixels
            if (radius > edge - metrics.height())
                break;
            painter.drawText(QPointF(centre.x() + 3, centre.y() - radius - 2), german.toString(n * spacing) + QStringLiteral(" km"));
        }
    }
    painter.restore();
}
