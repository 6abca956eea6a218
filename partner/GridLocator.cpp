// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "partner/GridLocator.h"

#include "geo/CoordinateText.h"

#include <QRegularExpression>

std::optional<GeoPosition> GridLocator::centre(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[A-R]{2}([0-9]{2}([A-X]{2}([0-9]{2})?)?)?$"));
    const QString locator = text.toUpper();
    if (!form.match(locator).hasMatch())
        return std::nullopt;
    GeoPosition position;
    if (locator.size() == 2) {
        // Field: 20° of longitude by 10° of latitude; its centre.
        position.longitude = (locator[0].unicode() - 'A') * 20 - 180 + 10.0;
        position.latitude = (locator[1].unicode() - 'A') * 10 - 90 + 5.0;
        return position;
    }
    if (locator.size() >= 6) {
        locatorToPosition(locator.left(6), position.longitude, position.latitude);
        if (locator.size() == 8) {
            // Extended square: a tenth of the subsquare (0.5' by 0.25'); from the subsquare's
            // centre back to its south-west corner, then to the centre of the extended square.
            position.longitude += -1.0 / 24 + (locator[6].unicode() - '0') / 120.0 + 1.0 / 240;
            position.latitude += -1.0 / 48 + (locator[7].unicode() - '0') / 240.0 + 1.0 / 480;
        }
        return position;
    }
    // Square: 20° fields and 2° squares of longitude, 10° and 1° of latitude; half a square on top.
    position.longitude = (locator[0].unicode() - 'A') * 20 - 180 + (locator[2].unicode() - '0') * 2 + 1.0;
    position.latitude = (locator[1].unicode() - 'A') * 10 - 90 + (locator[3].unicode() - '0') + 0.5;
    return position;
}
