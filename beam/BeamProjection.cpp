// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamProjection.h"

BeamProjection::BeamProjection(const BeamView& view, const AzimuthalProjection& around) : view_(view), around_(around)
{
}

std::optional<MapProjection::Measured> BeamProjection::measuredAt(QPoint pixel) const
{
    if (!view_.valid())
        return std::nullopt;
    const BeamView::Spot spot = view_.spotAt(pixel);
    if (spot.distanceKm > readableKm)
        return std::nullopt;
    return Measured {spot.bearing, spot.distanceKm};
}

std::optional<GeoPosition> BeamProjection::positionAt(QPoint pixel) const
{
    const std::optional<Measured> spot = measuredAt(pixel);
    if (!spot)
        return std::nullopt;
    const AzimuthalProjection::Point point = around_.pointAt(spot->bearing, spot->distanceKm);
    return GeoPosition {static_cast<double>(AzimuthalProjection::shownLongitude(point.longitude)),
                        static_cast<double>(point.latitude)};
}

std::optional<MapProjection::Disc> BeamProjection::disc() const
{
    if (!view_.valid())
        return std::nullopt;
    const double centre = view_.centre();
    return Disc {around_.own(), centre, centre, static_cast<double>(view_.radiusOf(AzimuthalProjection::antipodeKm))};
}

QPoint BeamProjection::pixelOf(const GeoPosition& position) const
{
    return view_.pixelOf(around_.own(), position.longitude, position.latitude);
}
