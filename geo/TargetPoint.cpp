// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/TargetPoint.h"

#include "geo/GreatCircle.h"

TargetInfo TargetPoint::seenFrom(const GeoPosition& ownStation, double longitude, double latitude)
{
    TargetInfo target;
    target.longitude = longitude;
    target.latitude = latitude;
    target.bearing = greatCircleBearing(ownStation.longitude, ownStation.latitude, longitude, latitude);
    target.distance = static_cast<double>(
        greatCircleDistance(ownStation.longitude, ownStation.latitude, longitude, latitude));
    return target;
}
