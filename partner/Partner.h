// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QString>

// A partner station's place as read from a locator, coordinates or a callsign. Country and prefix
// are those of the callsign's entity; empty when the place came without a callsign, so that the
// country raster names it.
struct Partner {
    GeoPosition place;
    QString country;
    QString prefix;
};
