// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "entry/PositionTexts.h"
#include "geo/GeoPosition.h"

// The rules behind the entry window's confirm step: one confirmed form (decimal, degree text or
// locator) is converted into the positions, both positions are folded into range, and all three
// forms of both stations are rewritten from them.
class PositionForms {
public:
    // The Tag of an entry field: which form it holds.
    enum Tag { decimalTag = 1, dmsTag = 2, ownLocatorTag = 5, partnerLocatorTag = 6 };
    enum class Outcome { rewritten, invalidLocator };
    // Whose field was confirmed.
    enum class Station { own, partner };

    // Converts the form selected by tag, of the confirmed station only, and rewrites every text.
    // The other station's position stays bit-identical: its texts are rewritten from it, never
    // read back (they show it rounded, and reading them back would move it a little each time). A locator that is not six
    // characters long leaves its position unchanged (invalidLocator); the texts are rewritten all
    // the same. Throws AppError, changing nothing, for a non-digit in locator position 3 or 4.
    static Outcome confirm(int tag, Station station, PositionTexts& ownTexts, GeoPosition& own, PositionTexts& partnerTexts,
                           GeoPosition& partner);

    // Degrees east in (-180, 180] and degrees north in (-90, 90]; a value that is not finite
    // becomes 0.
    static double normalizedLongitude(double degrees);
    static double normalizedLatitude(double degrees);

    // The three forms of a position, which is normalised first.
    static void rewrite(GeoPosition& position, PositionTexts& texts);
};
