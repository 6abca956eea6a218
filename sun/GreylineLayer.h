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
// Drawn right over the map's own pixels, so that every mark stays in its colour over the night.
class GreylineLayer : public MapLayer {
public:
    using Clock = std::function<double()>;  // UTC seconds since 1970

    explicit GreylineLayer(Clock clock);

    Stage stage() const override { return Stage::shading; }
    void draw(QPainter& painter, const MapProjection& projection) const override;

private:
    Clock clock_;
};
