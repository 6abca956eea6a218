// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Texts typed as positions: decimal, degree-minute-second and locator. Properties: no reader
// gives NaN; a locator of the grid reads as the centre of its subsquare, which gives the same locator
// back; degree-minute-second text of a read value reads back within one second (the seconds are
// cut, and a whole second read from text may lie a hair below itself in binary).
#include "FuzzCheck.h"

#include "geo/CoordinateText.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const double decimal = parseDecimal(text);
    const double dms = dmsTextToDegrees(text);
    FUZZ_CHECK(!std::isnan(decimal) && !std::isnan(dms));
    if (std::isfinite(dms) && std::fabs(dms) < 1e6) {
        const double back = dmsTextToDegrees(degreesToDmsText(dms));
        FUZZ_CHECK(std::fabs(back - dms) <= 1.000001 / 3600);
    }
    // The reader takes letters up to "Z"; the grid itself ends at "R" (fields) and "X" (subsquares).
    if (IsLocatorText(text) && text[0] <= u'R' && text[1] <= u'R' && text[4] <= u'X' && text[5] <= u'X') {
        double latitude = 0, longitude = 0;
        locatorToPosition(text, longitude, latitude);
        FUZZ_CHECK(std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180);
        FUZZ_CHECK(positionToLocator(longitude, latitude) == text.left(6).toUpper());
    }
    return 0;
}
