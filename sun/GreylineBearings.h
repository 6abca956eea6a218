// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "sun/SolarPosition.h"

#include <optional>

// While a station is itself in twilight (the sun between -0.833 and -18 degrees), the greyline
// runs through it at right angles to the sun's direction: the two bearings along it, degrees
// clockwise from north in [0, 360), the smaller first. None in daylight and full night.
struct GreylineBearings {
    double first = 0;
    double second = 0;

    static std::optional<GreylineBearings> at(const SolarPosition& sun, const GeoPosition& place);
};
