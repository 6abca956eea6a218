// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

// The current target point as seen from the own station. All four fields 0 means no target.
struct TargetInfo {
    double longitude = 0.0;  // degrees east
    double latitude = 0.0;   // degrees north
    double bearing = 0.0;    // degrees clockwise from north, from the own station
    double distance = 0.0;   // great-circle distance from the own station, km

    bool isSet() const { return longitude != 0.0 || latitude != 0.0 || bearing != 0.0 || distance != 0.0; }
};
