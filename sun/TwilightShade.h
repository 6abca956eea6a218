// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "sun/SolarPosition.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Darkens the night side of a map picture in graded steps, so the greyline stands out: daylight
// stays as it is, then civil twilight (sun -0.833 to -6 degrees), nautical (-6 to -12),
// astronomical (-12 to -18) and night, each darker. Works on rows of 32-bit pixels (0xAARRGGBB)
// for both maps: the Mercator map, whose columns are meridians and rows parallels, and the
// azimuthal-equidistant beam map; both share the bands and their brightness.
class TwilightShade {
public:
    explicit TwilightShade(const SolarPosition& sun);

    // Brightness kept at a sun altitude, in 256ths (256: unchanged).
    static int brightness(double sinAltitude);

    // A picture whose column x lies at columnLongitudes[x] and row y at rowLatitudes[y], degrees.
    // stride: pixels from one row to the next.
    void shadeGrid(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, const double* columnLongitudes,
                   const double* rowLatitudes) const;

    // The beam map's disc: centre (pixels, x right, y down) is the own station, radiusPixels the
    // antipode's distance; pixels beyond the disc are left alone.
    void shadeDisc(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, const GeoPosition& centre,
                   double centreX, double centreY, double radiusPixels) const;

private:
    // Applies the bands to n pixels whose altitude sines are given.
    static void darken(std::uint32_t* row, const float* sinAltitude, int n);

    SolarPosition sun_;
    mutable std::vector<float> sines_;  // one row's altitude sines, reused between rows
};
