// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/NearestCity.h"

#include "geo/GreatCircle.h"

#include <cmath>

std::optional<NearestCity> findNearestCity(const std::vector<CityRecord>& cities, double latitude,
                                           double longitude, int lastIndex)
{
    // Every distance from a position that is not finite is NaN, and no city is nearer than NaN.
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return std::nullopt;
    long double best = 1000000.0L;  // km, beyond any distance on the sphere
    int index = lastIndex;
    for (int i = 0; i < static_cast<int>(cities.size()); ++i) {
        const CityRecord& city = cities[static_cast<std::size_t>(i)];
        const long double d = greatCircleDistance(longitude, latitude, city.longitude, city.latitude);
        if (d < best) {
            best = d;
            index = i;
        }
    }
    if (index < 0 || index >= static_cast<int>(cities.size()))
        return std::nullopt;
    return NearestCity{index, static_cast<double>(best)};
}
