// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/TargetInfo.h"

// A point made the current target: its bearing and distance seen from the own station.
class TargetPoint {
public:
    // Longitude and latitude in degrees; bearing in degrees clockwise from north, distance in km.
    static TargetInfo seenFrom(const GeoPosition& ownStation, double longitude, double latitude);
};
