// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

// Angle and Earth constants shared by every geodesy routine, in extended precision.

namespace geo_detail {
constexpr long double pi = 3.141592653589793238462643383279502884L;
}

// Radians per degree.
constexpr long double degToRad = geo_detail::pi / 180.0L;

// Radius of the sphere that is the only Earth model of the program, km.
constexpr long double earthRadiusKm = 6378.145L;

// Target latitude or longitude of exactly this value marks "no target": distance 0.
constexpr long double noTargetCoordinate = 1000.0L;
