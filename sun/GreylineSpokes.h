// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"

#include <functional>

// On the beam map, while the own station is in twilight, the two bearings along the greyline as
// dashed orange spokes from the centre to the edge, for the sun at the moment the clock gives;
// nothing on a map that is no azimuthal disc.
class GreylineSpokes : public MapLayer {
public:
    using Clock = std::function<double()>;  // UTC seconds since 1970

    explicit GreylineSpokes(Clock clock);

    Stage stage() const override { return Stage::marks; }
    void draw(QPainter& painter, const MapProjection& projection) const override;

private:
    Clock clock_;
};
