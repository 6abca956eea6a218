// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CityRecord.h"

#include <optional>
#include <vector>

struct NearestCity {
    int index = 0;            // into the city table
    double distanceKm = 0.0;  // great-circle distance from the searched position, km
};

// The city of the table nearest to a position (degrees). The search starts from lastIndex, the
// index the caller found last (0 before the first search), and takes a city only when it is
// strictly nearer than the best so far, so on equal distances the earlier city wins. Gives
// std::nullopt when the index found lies outside the table, in particular for an empty table, and
// for a position that is not finite.
std::optional<NearestCity> findNearestCity(const std::vector<CityRecord>& cities, double latitude,
                                           double longitude, int lastIndex = 0);
