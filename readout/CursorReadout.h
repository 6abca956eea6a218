// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/GreatCircleFrom.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

// What the cursor panel says about the point under the mouse, and where the panel stands. It
// keeps the great circles from the last own station it was given, since the own station rarely
// moves while the mouse does at every event.
class CursorReadout {
public:
    // The four lines: position and locator, distance from the own station (km), bearing from it
    // (degrees) and the country name. Numbers use the system's decimal separator.
    struct Lines {
        QString position, distance, bearing, country;
    };
    Lines lines(const GeoPosition& own, double longitude, double latitude, const QString& countryName);
    // The same with the bearing given (degrees), as where the antenna bearing is the screen's.
    Lines linesAtBearing(const GeoPosition& own, double longitude, double latitude, const QString& countryName,
                         long double bearing);

    // Top-left corner of the panel, 10 pixels beside the mouse, on the side where it fits in the image.
    static QPoint panelPlace(QPoint mouse, QSize panel, QSize image);

private:
    const GreatCircleFrom& from(const GeoPosition& own);
    static Lines linesOf(double longitude, double latitude, const QString& countryName, double distanceKm,
                         long double bearing);

    std::optional<GreatCircleFrom> from_;
};
