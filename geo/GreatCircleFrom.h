// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <optional>

// Great circles from one fixed point 1, usually the own station, to any point 2: the sine and
// cosine of point 1's latitude are computed once, and distanceAndBearing shares the trigonometry
// of the two results. Every result is bit for bit what greatCircleDistance and greatCircleBearing
// give (they are computed here); only the repeated work is gone. Angles in decimal degrees, east
// and north positive, each point longitude first; distances in km; bearings in degrees clockwise
// from north.
class GreatCircleFrom {
public:
    GreatCircleFrom(long double longitude1, long double latitude1);

    long double latitude1() const { return latitude1_; }
    long double longitude1() const { return longitude1_; }

    // Distance in km to point 2; 0 when latitude2 or longitude2 is noTargetCoordinate.
    long double distanceTo(long double longitude2, long double latitude2) const;
    // Initial bearing to point 2, in (0, 360], as greatCircleBearing says; point 1 taken as doubles.
    double bearingTo(double longitude2, double latitude2) const;

    struct DistanceAndBearing {
        long double distanceKm = 0;
        double bearing = 0;  // degrees
    };
    DistanceAndBearing distanceAndBearingTo(double longitude2, double latitude2) const;

private:
    // Sines and cosines of the way to point 2, each computed once.
    struct Leg {
        long double sinLatitude2, cosLatitude2, sinDeltaLon, cosDeltaLon;
        double sigma;  // central angle, radians
    };
    Leg legTo(long double longitude2, long double latitude2) const;
    // The bearing's special cases, degrees; none when the formula applies, and always none for a
    // latitude beyond ±90 degrees.
    std::optional<double> specialBearing(double longitude2, double latitude2) const;
    double bearingOf(const Leg& leg) const;

    long double latitude1_, longitude1_;  // degrees
    long double sinLatitude1_, cosLatitude1_;
};
