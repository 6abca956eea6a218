// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/GreylineSpokes.h"

#include "geo/MapProjection.h"
#include "sun/GreylineBearings.h"
#include "sun/SolarPosition.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor spokeColour(255, 170, 0);  // orange: neither a map line nor the target's path
constexpr int spokeWidth = 2;           // pixels
constexpr double radians = 3.14159265358979323846 / 180;

}  // namespace

GreylineSpokes::GreylineSpokes(Clock clock) : clock_(std::move(clock))
{
}

void GreylineSpokes::draw(QPainter& painter, const MapProjection& projection) const
{
    const auto disc = projection.disc();
    if (!disc)
        return;
    const auto bearings = GreylineBearings::at(SolarPosition::at(clock_()), disc->centre);
    if (!bearings)
        return;
    const double length = std::min(disc->antipodeRadius, std::max(disc->centreX, disc->centreY));  // pixels
    const QPointF centre(disc->centreX, disc->centreY);
    painter.save();
    painter.setPen(QPen(spokeColour, spokeWidth, Qt::DashLine));
    for (double bearing : {bearings->first, bearings->second})
        painter.drawLine(centre, centre + QPointF(std::sin(bearing * radians), -std::cos(bearing * radians)) * length);
    painter.restore();
}
