// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/MapLayer.h"

#include <functional>

// Labels that let a map explain itself: on the Mercator map a marker at the own station; on the
// beam map the compass letters N, O, S, W and the bearing of every 30-degree spoke at the edge,
// and the distance of each circle (km, German number format) beside the north spoke.
class MapLabelLayer : public MapLayer {
public:
    MapLabelLayer(std::function<GeoPosition()> ownPosition, std::function<int()> circleSpacingKm);

    void draw(QPainter& painter, const MapProjection& projection) const override;

private:
    std::function<GeoPosition()> ownPosition_;
    std::function<int()> circleSpacingKm_;
};
