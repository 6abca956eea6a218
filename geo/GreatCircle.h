#pragma once

#include "geo/GeoConstants.h"

// Great-circle geometry on the sphere of radius earthRadiusKm. Angles in decimal degrees, east and
// north positive; distances in km; bearings in degrees clockwise from north.

// Arccosine in radians that accepts rounding errors beyond [-1, 1]: 0 at or above 1, pi at or
// below -1.
double arcCosClamped(double x);

// Target latitude or longitude of exactly this value marks "no target": distance 0.
constexpr long double noTargetCoordinate = 1000.0L;

// Distance in km from point 1 to point 2; 0 when latitude2 or longitude2 is noTargetCoordinate.
long double greatCircleDistance(long double latitude1, long double longitude1, long double latitude2,
                                long double longitude2);

// Initial bearing from point 1 (the own station) to point 2 in degrees, in (0, 360]: due north is
// 360, due south 180. Exactly 0 for the same point, the antipode or point 1 at a pole.
double greatCircleBearing(double latitude1, double longitude1, double latitude2, double longitude2);
