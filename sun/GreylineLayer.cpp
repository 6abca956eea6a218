// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/GreylineLayer.h"

#include "sun/TwilightShade.h"

#include <QImage>
#include <QPainter>

#include <utility>
#include <vector>

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
    }
}
