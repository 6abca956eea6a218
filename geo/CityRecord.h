// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// One line of the city and island list.
struct CityRecord {
    static constexpr int maxNameLength = 50;  // characters kept of a name

    QString name;
    double latitude = 0.0;   // degrees north
    double longitude = 0.0;  // degrees east
};
