#pragma once

#include "geo/GeoPosition.h"

#include <QPoint>
#include <QSize>
#include <QString>

// What the cursor panel says about the point under the mouse, and where the panel stands.
class CursorReadout {
public:
    // The four lines: position and locator, distance from the own station (km), bearing from it
    // (degrees) and the country name. Numbers use the system's decimal separator.
    struct Lines {
        QString position, distance, bearing, country;
    };
    static Lines lines(const GeoPosition& own, double longitude, double latitude, const QString& countryName);

    // Top-left corner of the panel, 10 pixels beside the mouse, on the side where it fits in the image.
    static QPoint panelPlace(QPoint mouse, QSize panel, QSize image);
};
