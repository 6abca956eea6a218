// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"

#include <functional>

class SolarPosition;

// The two bearings along the greyline drawn as spokes from the own station to the edge of the
// beam map, while the own station is in twilight. Draws nothing on a map that is no disc.
class GreylineSpokesLayer : public MapLayer {
public:
    using Clock = std::function<double()>;  // UTC seconds since 1970

    explicit GreylineSpokesLayer(Clock clock);

    void draw(QPainter& painter, const MapProjection& projection) const override;

private:
    Clock clock_;
};
