// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <cmath>

// Round to the nearest integer with halves to even, as for bearings, pixels and raster cells.
// std::lrint rounds exactly like std::nearbyint in the default rounding mode, and unlike casting the
// result of std::nearbyint it stays defined for values beyond the integer range (and NaN).
inline int roundHalfEven(long double value)
{
    return static_cast<int>(std::lrint(value));
}
