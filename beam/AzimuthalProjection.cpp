// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/AzimuthalProjection.h"

#include "geo/GeoConstants.h"
#include "geo/GreatCircle.h"

#include <cmath>

const long double AzimuthalProjection::antipodeKm = earthRadiusKm * geo_detail::pi;

AzimuthalProjection::AzimuthalProjection(const GeoPosition& own)
    : own_(own), sinOwnLatitude_(std::sin(own.latitude * degToRad)), cosOwnLatitude_(std::cos(own.latitude * degToRad))
{
}

long double AzimuthalProjection::screenBearing(long double dx, long double dy)
{
    long double bearing;  // degrees
    if (dy != 0)
        bearing = std::atan(dx / dy) / degToRad;
    else
        bearing = dx >= 0 ? 90 : -90;
    if (dy < 0)
        bearing -= 180;
    if (bearing < 0)
        bearing += 360;
    return bearing;
}

AzimuthalProjection::Point AzimuthalProjection::pointAt(long double bearing, long double distanceKm) const
{
    const long double delta = 360 * distanceKm / (2 * antipodeKm) * degToRad;  // angular distance, radians
    // Sine of the latitude of the point, from the spherical law of cosines.
    const long double cosDelta = std::cos(delta);
    const long double s = sinOwnLatitude_ * cosDelta
                          + cosOwnLatitude_ * std::sin(delta) * std::cos(bearing * degToRad);
    const long double colatitude = arcCosClamped(static_cast<double>(s));  // radians
    Point point;
    point.latitude = 90 - colatitude / degToRad;

    long double longitudeDifference = 0;  // degrees
    const long double divisor = cosOwnLatitude_ * std::sin(colatitude);
    if (divisor != 0) {
        const long double q = (cosDelta - sinOwnLatitude_ * s) / divisor;
        longitudeDifference = arcCosClamped(static_cast<double>(q)) / degToRad;
    }
    if (bearing > 180)
        longitudeDifference = -longitudeDifference;
    point.longitude = own_.longitude + longitudeDifference;
    return point;
}

long double AzimuthalProjection::sampledLongitude(long double longitude)
{
    if (longitude > 180)
        longitude -= 360;
    if (longitude < -180)
        longitude += 360;
    if (longitude > 179)
        return 179;
    if (longitude < -179)
        return -179;
    return longitude;
}

long double AzimuthalProjection::shownLongitude(long double longitude)
{
    if (longitude >= 180)
        return longitude - 360;
    if (longitude < -180)
        return longitude + 360;
    return longitude;
}
