#pragma once

#include "geo/GeoPosition.h"

#include <QString>

#include <optional>

// Maidenhead locators as other programs send them: four characters (square) or six (subsquare),
// in either case. Field letters A to R, subsquare letters A to X; anything else is no locator.
class GridLocator {
public:
    // The centre of the square (2° by 1°) or of the subsquare (the panel's locatorToPosition).
    static std::optional<GeoPosition> centre(const QString& text);
};
