// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

// A geographic rectangle shown by the Mercator map, decimal degrees in extended precision.
// Pixels are taken to be evenly spaced in both latitude and longitude.
struct MapView {
    long double top = 0;     // latitude of the north edge, degrees
    long double bottom = 0;  // latitude of the south edge, degrees
    long double right = 0;   // longitude of the east edge, degrees
    long double left = 0;    // longitude of the west edge, degrees
};
