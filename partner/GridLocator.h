// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QString>

#include <optional>

// Maidenhead locators as other programs send them: two characters (field), four (square), six
// (subsquare) or eight (extended square), in either case. Field letters A to R, subsquare letters
// A to X; anything else is no locator.
class GridLocator {
public:
    // The centre of the field, the square (2° by 1°), the subsquare (the panel's
    // locatorToPosition) or the extended square.
    static std::optional<GeoPosition> centre(const QString& text);
};
