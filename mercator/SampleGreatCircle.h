// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <array>

// A sampled half great circle: the longitudes of points 1 to 180, then their latitudes, degrees.
// Point i lies i degrees of arc from the start; point 180 is the antipode. A point whose longitude
// is undefined (it lies exactly at a pole, or the start does) holds NaN as its longitude.
using CirclePoints = std::array<double, 360>;

inline double circleLongitude(const CirclePoints& points, int i) { return points[std::size_t(i - 1)]; }
inline double circleLatitude(const CirclePoints& points, int i) { return points[std::size_t(179 + i)]; }

// Samples the half great circle that leaves the own station (degrees) in direction degrees
// clockwise from north, -180 < direction <= 180. The sine of each latitude and the cosine of each
// longitude difference are held as doubles, the rest in extended precision.
void SampleGreatCircle(double direction, double ownLongitude, double ownLatitude, CirclePoints& points);
