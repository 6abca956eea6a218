// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/MercatorProjection.h"

#include "geo/MapTransforms.h"

MercatorProjection::MercatorProjection(const MapView& view, QSize image) : view_(view), image_(image)
{
}

std::optional<GeoPosition> MercatorProjection::positionAt(QPoint pixel) const
{
    return GeoPosition {static_cast<double>(viewXToLon(view_, image_.width(), pixel.x())),
                        static_cast<double>(viewYToLat(view_, image_.height(), pixel.y()))};
}

QPoint MercatorProjection::pixelOf(const GeoPosition& position) const
{
    return {lonToViewX(view_, image_.width(), position.longitude),
            latToViewY(view_, image_.height(), position.latitude)};
}
