// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

// The azimuthal-equidistant projection around the own station: a point is given by its bearing
// from the station (degrees clockwise from north) and its great-circle distance (km), and lies on
// the picture at that angle and at a radius proportional to that distance. Computed in extended
// precision on the sphere of radius earthRadiusKm.
class AzimuthalProjection {
public:
    // Half the circumference of the sphere, R * pi, km: the distance of the antipode.
    static const long double antipodeKm;

    // A point on the sphere, degrees. The longitude is own longitude plus the longitude
    // difference, not yet brought into -180 .. 180.
    struct Point {
        long double longitude = 0;
        long double latitude = 0;
    };

    explicit AzimuthalProjection(const GeoPosition& own);

    // Bearing of a picture offset, dx to the right and dy upwards (pixels), degrees in [0, 360):
    // 0 up, 90 right, 180 down, 270 left; the offset (0, 0) gives 90.
    static long double screenBearing(long double dx, long double dy);

    // The point at a bearing (degrees) and distance (km) from the own station. A point exactly at
    // a pole, where every longitude is right, gets the own longitude.
    Point pointAt(long double bearing, long double distanceKm) const;

    // Longitude as the world map is sampled for the picture: wrapped once into -180 .. 180 and
    // kept within -179 .. 179, where the world map's pixels lie. Degrees.
    static long double sampledLongitude(long double longitude);
    // Longitude as the mouse read-out shows it: wrapped once into [-180, 180). Degrees.
    static long double shownLongitude(long double longitude);

    const GeoPosition& own() const { return own_; }
    long double sinOwnLatitude() const { return sinOwnLatitude_; }
    long double cosOwnLatitude() const { return cosOwnLatitude_; }

private:
    GeoPosition own_;
    long double sinOwnLatitude_, cosOwnLatitude_;  // computed once for the millions of pixels
};
