// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <array>
#include <optional>

// Antenna-line drawing state of a map window. Directions in degrees clockwise from north.
struct DrawState {
    // Direction of the inverted line now on the Mercator map; none forces the next draw.
    std::optional<double> mercatorLineDirection;
    bool mercatorLineDrawn = false;
    // Points of the Mercator direction line: 180 longitudes, then 180 latitudes, degrees.
    std::array<double, 360> directionLine{};       // the line being drawn
    std::array<double, 360> drawnDirectionLine{};  // the line on the picture now, to erase it
    double antennaDirection = 0;       // rotor azimuth plus display deviation, for the beam map
    std::optional<double> beamLineDirection;  // direction of the line now on the beam map, if any
    bool beamLineDrawn = false;
};
