// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapProjection.h"
#include "geo/MapView.h"

#include <QSize>

// The Mercator map's pixels: the geographic rectangle of the current view (zoomed or whole)
// stretched evenly over an image of the given size in pixels.
class MercatorProjection : public MapProjection {
public:
    MercatorProjection(const MapView& view, QSize image);

    // Every pixel shows a place, also beyond the image.
    std::optional<GeoPosition> positionAt(QPoint pixel) const override;
    QPoint pixelOf(const GeoPosition& position) const override;
    bool columnsAreMeridians() const override { return true; }

private:
    MapView view_;
    QSize image_;
};
