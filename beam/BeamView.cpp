// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamView.h"

#include "base/Rounding.h"
#include "beam/AzimuthalProjection.h"
#include "geo/GeoConstants.h"
#include "geo/GreatCircle.h"

#include <cmath>

BeamView::BeamView(int imageSide, int bitmapWidth, int zoomMargin)
    : valid_(bitmapWidth > 0 && bitmapWidth - 2 * zoomMargin > 0 && imageSide / 2 > 0), centre_(imageSide / 2)
{
    if (!valid_)
        return;
    magnification_ = static_cast<long double>(bitmapWidth) / (bitmapWidth - 2 * zoomMargin);
    pixelsPerKm_ = centre_ / AzimuthalProjection::antipodeKm;
}

QPoint BeamView::polar(int centre, long double bearing, long double radius)
{
    const long double angle = bearing * degToRad;
    return {centre + roundHalfEven(std::sin(angle) * radius), centre - roundHalfEven(std::cos(angle) * radius)};
}

QPoint BeamView::pixelOf(const GeoPosition& own, double longitude, double latitude) const
{
    const long double distance = greatCircleDistance(own.longitude, own.latitude, longitude, latitude);
    const double bearing = greatCircleBearing(own.longitude, own.latitude, longitude, latitude);
    return polar(bearing, radiusOf(distance));
}

BeamView::Spot BeamView::spotAt(QPoint pixel) const
{
    Spot spot;
    if (!valid_)
        return spot;
    const long double dx = pixel.x() - centre_, dy = centre_ - pixel.y();
    spot.bearing = AzimuthalProjection::screenBearing(dx, dy);
    spot.distanceKm = std::sqrt(dx * dx + dy * dy) / magnification_ / pixelsPerKm_;
    return spot;
}
