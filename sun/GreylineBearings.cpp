// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/GreylineBearings.h"

#include "sun/SunEvents.h"

#include <algorithm>
#include <cmath>

std::optional<GreylineBearings> GreylineBearings::at(const SolarPosition& sun, const GeoPosition& place)
{
    const double altitude = sun.altitudeAt(place);  // degrees
    if (altitude > SunEvents::standardAltitude || altitude < -18)
        return std::nullopt;
    const double azimuth = sun.azimuthAt(place);
    GreylineBearings bearings{std::fmod(azimuth + 90, 360.0), std::fmod(azimuth + 270, 360.0)};
    if (bearings.first > bearings.second)
        std::swap(bearings.first, bearings.second);
    return bearings;
}
