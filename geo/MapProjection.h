// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QPoint>

#include <optional>

// Where places lie on the picture of a map: image pixel <-> geographic position. Both maps answer
// it, the Mercator map and the azimuthal beam map, so that what is read off or drawn on a map is
// written once for both.
class MapProjection {
public:
    // Bearing (degrees clockwise from north) and distance (km) from the own station as a picture
    // shows them at a pixel.
    struct Measured {
        long double bearing = 0;
        long double distanceKm = 0;
    };

    virtual ~MapProjection() = default;

    // The position shown at an image pixel; none where the picture shows no place.
    virtual std::optional<GeoPosition> positionAt(QPoint pixel) const = 0;
    // The image pixel where a position is drawn, rounded half to even.
    virtual QPoint pixelOf(const GeoPosition& position) const = 0;
    // Bearing and distance read off the picture itself, for a picture drawn around the own
    // station; none where they are those of the great circle to positionAt.
    virtual std::optional<Measured> measuredAt(QPoint pixel) const
    {
        (void)pixel;
        return std::nullopt;
    }

    // How the picture is laid out, for layers that work on whole rows of pixels (the shading)
    // instead of asking for every pixel's place.
    // Columns are meridians and rows parallels: the places of one row and one column give all.
    virtual bool columnsAreMeridians() const { return false; }
    // An azimuthal-equidistant disc around a place: its centre pixel and the radius at which the
    // antipode lies, pixels.
    struct Disc {
        GeoPosition centre;
        double centreX = 0, centreY = 0;
        double antipodeRadius = 0;
    };
    virtual std::optional<Disc> disc() const { return std::nullopt; }
};
