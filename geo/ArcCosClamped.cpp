// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/ArcCosClamped.h"

#include "geo/GeoConstants.h"

#include <cmath>

double arcCosClamped(double x)
{
    if (std::fabs(x) >= 1.0)
        return x >= 0.0 ? 0.0 : static_cast<double>(geo_detail::pi);
    const long double v = x;
    return static_cast<double>(geo_detail::pi / 2.0L - std::atan(v / std::sqrt(1.0L - v * v)));
}
