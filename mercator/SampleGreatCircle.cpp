// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/SampleGreatCircle.h"

#include "geo/GeoConstants.h"
#include "geo/GreatCircle.h"

#include <cmath>
#include <limits>

void SampleGreatCircle(double direction, double ownLongitude, double ownLatitude, CirclePoints& points)
{
    const long double r = degToRad;
    const long double sinLat1 = std::sin(r * ownLatitude);
    const long double cosLat1 = std::cos(r * ownLatitude);
    const long double cosDirection = std::cos(r * direction);
    for (int i = 1; i <= 180; ++i) {
        const long double arc = r * i;  // radians from the own station
        const double s = static_cast<double>(sinLat1 * std::cos(arc) + cosLat1 * std::sin(arc) * cosDirection);
        const double colatitude = arcCosClamped(s);  // radians
        points[std::size_t(179 + i)] = static_cast<double>(90.0L - colatitude / r);

        const long double divisor = cosLat1 * std::sin(static_cast<long double>(colatitude));
        if (divisor == 0.0L) {
            points[std::size_t(i - 1)] = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const double q = static_cast<double>((std::cos(arc) - sinLat1 * s) / divisor);
        long double difference = arcCosClamped(q) / r;  // degrees, 0 to 180
        if (direction < 0)
            difference = -difference;
        const long double longitude = ownLongitude + difference;
        points[std::size_t(i - 1)] = static_cast<double>(longitude >= 180.0L ? longitude - 360.0L
                                                         : longitude < -180.0L ? longitude + 360.0L
                                                                               : longitude);
    }
}
