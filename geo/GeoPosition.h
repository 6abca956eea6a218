// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

// A position on the sphere: longitude first, then latitude, decimal degrees, east and north
// positive.
struct GeoPosition {
    double longitude = 0.0;  // degrees east
    double latitude = 0.0;   // degrees north
};
