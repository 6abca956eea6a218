#pragma once

#include <array>

// Antenna-line drawing state shared by the two maps. Directions in degrees clockwise from north.
struct DrawState {
    double mercatorLineDirection = 0;  // direction of the inverted line now on the Mercator map
    bool mercatorLineDrawn = false;
    // Points of the Mercator direction line: 180 longitudes, then 180 latitudes, degrees.
    std::array<double, 360> directionLine{};       // the line being drawn
    std::array<double, 360> drawnDirectionLine{};  // the line on the picture now, to erase it
    double antennaDirection = 0;       // rotor azimuth plus display deviation, for the beam map
    double beamLineDirection = 0;      // direction of the inverted line now on the beam map
    bool beamLineDrawn = false;
};
