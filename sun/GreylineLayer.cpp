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
    // Shaded pixel by pixel of the surface, which may hold several per pixel of the projection,
    // as far as the painter may paint.
    const double ratio = image->devicePixelRatio();
    QRect shaded = image->rect();  // device pixels
    if (painter.hasClipping()) {
        const QRectF clip = painter.clipBoundingRect();
        shaded &= QRectF(clip.topLeft() * ratio, clip.size() * ratio).toAlignedRect();
    }
    const int width = shaded.right() + 1, height = shaded.bottom() + 1;
    if (projection.columnsAreMeridians()) {
        std::vector<double> longitudes(static_cast<std::size_t>(width)), latitudes(static_cast<std::size_t>(height));
        for (int x = 0; x < width; ++x)
            longitudes[x] = projection.positionAt({int(x / ratio), 0})->longitude;
        for (int y = 0; y < height; ++y)
            latitudes[y] = projection.positionAt({0, int(y / ratio)})->latitude;
        shade.shadeGrid(pixels, width, height, stride, longitudes.data(), latitudes.data());
    } else if (const auto disc = projection.disc()) {
        // The centre pixel's middle, in device pixels.
        const auto device = [ratio](double pixel) { return (pixel + 0.5) * ratio - 0.5; };
        shade.shadeDisc(pixels, width, height, stride, disc->centre, device(disc->centreX), device(disc->centreY),
                        disc->antipodeRadius * ratio);
    }
}
