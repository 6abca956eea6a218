// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/ArcCosClamped.h"
#include "geo/GeoConstants.h"

// Great-circle geometry on the sphere of radius earthRadiusKm. Angles in decimal degrees, east and
// north positive, each point longitude first; distances in km; bearings in degrees clockwise from
// north.

// Distance in km from point 1 to point 2; 0 when latitude2 or longitude2 is noTargetCoordinate.
long double greatCircleDistance(long double longitude1, long double latitude1, long double longitude2,
                                long double latitude2);

// Initial bearing from point 1 (the own station) to point 2 in degrees, in (0, 360]: due north is
// 360, due south 180. Exactly 0 for the same point, the antipode or point 1 at a pole.
double greatCircleBearing(double longitude1, double latitude1, double longitude2, double latitude2);
