// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"
#include "geo/MapProjection.h"
#include "sun/SolarPosition.h"

#include <functional>

// Night and the three twilights darkened over a map, for the sun at the moment the clock gives
// when the map is drawn. Works on the picture's pixels row by row, for the Mercator map (columns
// are meridians) and the beam map (an azimuthal disc); the rim around the disc stays as it is.
// On the beam map, while the own station is in twilight, the two bearings along the greyline
// are drawn as spokes from it to the edge.
class GreylineLayer : public MapLayer {
public:
    using Clock = std::function<double()>;  // UTC seconds since 1970

    explicit GreylineLayer(Clock clock);

    void draw(QPainter& painter, const MapProjection& projection) const override;

private:
    static void drawSpokes(QPainter& painter, const SolarPosition& sun, const MapProjection::Disc& disc);

    Clock clock_;
};
