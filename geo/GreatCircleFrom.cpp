// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/GreatCircleFrom.h"

#include "geo/ArcCosClamped.h"
#include "geo/GeoConstants.h"

#include <cmath>

GreatCircleFrom::GreatCircleFrom(long double longitude1, long double latitude1)
    : latitude1_(latitude1), longitude1_(longitude1), sinLatitude1_(std::sin(latitude1 * degToRad)),
      cosLatitude1_(std::cos(latitude1 * degToRad))
{
}

GreatCircleFrom::Leg GreatCircleFrom::legTo(long double longitude2, long double latitude2) const
{
    Leg leg;
    const long double lat2 = latitude2 * degToRad, deltaLon = (longitude2 - longitude1_) * degToRad;  // radians
    leg.sinLatitude2 = std::sin(lat2);
    leg.cosLatitude2 = std::cos(lat2);
    leg.sinDeltaLon = std::sin(deltaLon);
    leg.cosDeltaLon = std::cos(deltaLon);
    // Spherical law of cosines; the cosine passes through a double, as arcCosClamped takes one.
    leg.sigma = arcCosClamped(static_cast<double>(sinLatitude1_ * leg.sinLatitude2
                                                  + cosLatitude1_ * leg.cosLatitude2 * leg.cosDeltaLon));
    return leg;
}

long double GreatCircleFrom::distanceTo(long double longitude2, long double latitude2) const
{
    if (latitude2 == noTargetCoordinate || longitude2 == noTargetCoordinate)
        return 0.0L;
    // Radians on the sphere times its radius.
    return legTo(longitude2, latitude2).sigma * earthRadiusKm;
}

std::optional<double> GreatCircleFrom::specialBearing(double longitude2, double latitude2) const
{
    // Cases the formula's floating point gets wrong: its divisor is never exactly 0 (the cosine of
    // 90 degrees is not), and at a pole or on one meridian the east-west sign is noise.
    const double latitude1 = static_cast<double>(latitude1_);
    // Beyond the poles stands "no position" (latitude 1000): no geometry to be exact about, the
    // formula's result stays.
    if (!(std::fabs(latitude1) <= 90.0 && std::fabs(latitude2) <= 90.0))
        return std::nullopt;
    const double deltaLon = std::fmod(longitude2 - static_cast<double>(longitude1_), 360.0);  // degrees, exact
    const bool sameMeridian = deltaLon == 0.0;
    if (std::fabs(latitude1) == 90.0)
        return 0.0;  // point 1 at a pole: every direction is south or north
    if (sameMeridian && latitude2 == latitude1)
        return 0.0;  // the same point
    if (std::fabs(deltaLon) == 180.0 && latitude2 == -latitude1)
        return 0.0;  // the antipode
    if (latitude2 == 90.0 || (sameMeridian && latitude2 > latitude1))
        return 360.0;
    if (latitude2 == -90.0 || sameMeridian)
        return 180.0;
    return std::nullopt;
}

double GreatCircleFrom::bearingOf(const Leg& leg) const
{
    // The spherical triangle pole - point 1 - point 2, solved for the angle at point 1 with the
    // law of cosines; the sign of the longitude difference decides east or west.
    const long double sigma = leg.sigma;  // radians, rounded to double on purpose
    const long double sinSigma = std::sin(sigma);
    const long double divisor = sinSigma * cosLatitude1_;
    if (divisor == 0.0L)
        return 0.0;
    const double angle = static_cast<double>(
        arcCosClamped(static_cast<double>((leg.sinLatitude2 - std::cos(sigma) * sinLatitude1_) / divisor)) / degToRad);
    const long double eastward = leg.cosLatitude2 * leg.sinDeltaLon / sinSigma;
    return eastward > 0.0L ? angle : 360.0 - angle;
}

double GreatCircleFrom::bearingTo(double longitude2, double latitude2) const
{
    const std::optional<double> special = specialBearing(longitude2, latitude2);
    return special ? *special : bearingOf(legTo(longitude2, latitude2));
}

GreatCircleFrom::DistanceAndBearing GreatCircleFrom::distanceAndBearingTo(double longitude2, double latitude2) const
{
    DistanceAndBearing result;
    if (latitude2 == noTargetCoordinate || longitude2 == noTargetCoordinate) {
        result.bearing = bearingTo(longitude2, latitude2);
        return result;
    }
    const Leg leg = legTo(longitude2, latitude2);
    result.distanceKm = leg.sigma * earthRadiusKm;
    const std::optional<double> special = specialBearing(longitude2, latitude2);
    result.bearing = special ? *special : bearingOf(leg);
    return result;
}
