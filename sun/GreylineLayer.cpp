// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/GreylineLayer.h"

#include "sun/GreylineBearings.h"
#include "sun/TwilightShade.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

const QColor spokeColour(255, 170, 0);  // orange: neither a map line nor the target's path
constexpr int spokeWidth = 2;           // pixels
constexpr double radians = 3.14159265358979323846 / 180;

} // namespace

GreylineLayer::GreylineLayer(Clock clock) : clock_(std::move(clock))
{
}

void GreylineLayer::draw(QPainter& painter, const MapProjection& projection) const
{
    auto* image = dynamic_cast<QImage*>(painter.device());
    if (!image || image->isNull() || image->depth() != 32)
        return;
    const SolarPosition sun = SolarPosition::at(clock_());
    const TwilightShade shade(sun);
    auto* pixels = reinterpret_cast<std::uint32_t*>(image->bits());
    const std::ptrdiff_t stride = image->bytesPerLine() / 4;
    const int width = image->width(), height = image->height();
    if (projection.columnsAreMeridians()) {
        std::vector<double> longitudes(static_cast<std::size_t>(width)), latitudes(static_cast<std::size_t>(height));
        for (int x = 0; x < width; ++x)
            longitudes[x] = projection.positionAt({x, 0})->longitude;
        for (int y = 0; y < height; ++y)
            latitudes[y] = projection.positionAt({0, y})->latitude;
        shade.shadeGrid(pixels, width, height, stride, longitudes.data(), latitudes.data());
    } else if (const auto disc = projection.disc()) {
        shade.shadeDisc(pixels, width, height, stride, disc->centre, disc->centreX, disc->centreY, disc->antipodeRadius);
        drawSpokes(painter, sun, *disc);
    }
}

void GreylineLayer::drawSpokes(QPainter& painter, const SolarPosition& sun, const MapProjection::Disc& disc)
{
    const auto bearings = GreylineBearings::at(sun, disc.centre);
    if (!bearings)
        return;
    const double length = std::min(disc.antipodeRadius, std::max(disc.centreX, disc.centreY));  // pixels
    const QPointF centre(disc.centreX, disc.centreY);
    painter.save();
    painter.setPen(QPen(spokeColour, spokeWidth, Qt::DashLine));
    for (double bearing : {bearings->first, bearings->second})
        painter.drawLine(centre, centre + QPointF(std::sin(bearing * radians), -std::cos(bearing * radians)) * length);
    painter.restore();
}
