// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapView.h"

#include <vector>

// The Maidenhead grid of the Mercator map: fields (20 x 10 degrees), squares (2 x 1 degrees) or
// subsquares (5' x 2.5'). Lines that fall on or outside the view's edges are left out.
class LocatorGrid {
public:
    enum Level { none = 0, fields = 1, squares = 2, subsquares = 3 };

    // Longitudes of the meridians to draw, degrees: from -180 in steps of the level while <= 180.
    static std::vector<double> meridians(const MapView& view, int level);
    // Latitudes of the parallels to draw, degrees: from -80 in steps of the level while <= 85.
    static std::vector<double> parallels(const MapView& view, int level);
};
