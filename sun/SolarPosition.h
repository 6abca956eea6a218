// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <cstdint>

// Where the sun stands at one instant: its declination and the subsolar point (the place where
// it is in the zenith), from the solar position formulas of the astronomical almanacs (mean
// elements, equation of the centre, nutation and aberration in longitude, apparent sidereal
// time). Good to about 0.005 degrees from 1950 to 2100; the difference between universal and
// terrestrial time (about a minute) moves the sun by less than 0.001 degrees and is left out.
class SolarPosition {
public:
    // secondsSinceEpoch: UTC seconds since 1970-01-01 00:00.
    static SolarPosition at(double secondsSinceEpoch);

    // Latitude is the declination; longitude in [-180, 180), degrees east.
    const GeoPosition& subsolarPoint() const { return subsolar_; }
    // Geometric altitude of the sun's centre above the horizon of a place, degrees (no refraction).
    double altitudeAt(const GeoPosition& place) const;
    // Sine of that altitude: what the shading compares, without an arcsine per pixel.
    double sinAltitudeAt(const GeoPosition& place) const;
    // Direction of the sun seen from a place, degrees clockwise from north in [0, 360).
    double azimuthAt(const GeoPosition& place) const;

private:
    GeoPosition subsolar_;
    double sinDeclination_ = 0, cosDeclination_ = 1;
};
