// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/SolarPosition.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double radians = pi / 180;  // radians per degree

double wrapDegrees(double degrees)  // into [0, 360)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

} // namespace

SolarPosition SolarPosition::at(double secondsSinceEpoch)
{
    const double daysSince2000 = secondsSinceEpoch / 86400.0 - 10957.5;  // from 2000-01-01 12:00 UTC
    const double t = daysSince2000 / 36525.0;                            // Julian centuries

    // Mean longitude and mean anomaly of the sun, degrees.
    const double meanLongitude = wrapDegrees(280.46646 + t * (36000.76983 + t * 0.0003032));
    const double meanAnomaly = (357.52911 + t * (35999.05029 - t * 0.0001537)) * radians;
    const double centre = std::sin(meanAnomaly) * (1.914602 - t * (0.004817 + t * 0.000014))
                          + std::sin(2 * meanAnomaly) * (0.019993 - t * 0.000101)
                          + std::sin(3 * meanAnomaly) * 0.000289;  // equation of the centre, degrees
    // Longitude of the moon's ascending node drives the nutation, radians.
    const double node = (125.04 - 1934.136 * t) * radians;
    const double nutationInLongitude = -0.00478 * std::sin(node);  // degrees
    // Apparent longitude: true longitude, aberration (-0.00569 degrees) and nutation.
    const double longitude = (meanLongitude + centre - 0.00569 + nutationInLongitude) * radians;
    const double meanObliquity = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = (meanObliquity + 0.00256 * std::cos(node)) * radians;

    const double rightAscension = std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude));  // radians
    const double sinDeclination = std::sin(obliquity) * std::sin(longitude);

    // Apparent sidereal time at Greenwich, degrees; the sun's Greenwich hour angle follows.
    const double meanSidereal = 280.46061837 + 360.98564736629 * daysSince2000 + t * t * (0.000387933 - t / 38710000.0);
    const double apparentSidereal = meanSidereal + nutationInLongitude * std::cos(obliquity);
    const double hourAngle = wrapDegrees(apparentSidereal - rightAscension / radians);

    SolarPosition sun;
    sun.sinDeclination_ = sinDeclination;
    sun.cosDeclination_ = std::sqrt(1 - sinDeclination * sinDeclination);
    sun.subsolar_.latitude = std::asin(sinDeclination) / radians;
    sun.subsolar_.longitude = hourAngle < 180 ? -hourAngle : 360 - hourAngle;
    if (sun.subsolar_.longitude >= 180)
        sun.subsolar_.longitude -= 360;
    return sun;
}

double SolarPosition::sinAltitudeAt(const GeoPosition& place) const
{
    const double latitude = place.latitude * radians;
    const double hourAngle = (place.longitude - subsolar_.longitude) * radians;
    return std::sin(latitude) * sinDeclination_ + std::cos(latitude) * cosDeclination_ * std::cos(hourAngle);
}

double SolarPosition::altitudeAt(const GeoPosition& place) const
{
    return std::asin(std::clamp(sinAltitudeAt(place), -1.0, 1.0)) / radians;
}

double SolarPosition::azimuthAt(const GeoPosition& place) const
{
    const double latitude = place.latitude * radians;
    const double hourAngle = (place.longitude - subsolar_.longitude) * radians;
    const double tanDeclination = sinDeclination_ / cosDeclination_;
    // Measured from north towards east: the sun west of the meridian (positive hour angle) lies
    // beyond 180 degrees.
    const double azimuth = std::atan2(-std::sin(hourAngle), std::cos(latitude) * tanDeclination
                                                                 - std::sin(latitude) * std::cos(hourAngle));
    return wrapDegrees(azimuth / radians);
}
