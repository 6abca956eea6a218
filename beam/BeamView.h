// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QPoint>

// Geometry of the shown beam map: the square part of the beam bitmap left after cutting the zoom
// margin from each side, stretched over a square image, the own station at the image centre.
class BeamView {
public:
    // Side of the shown image and width of the beam bitmap in pixels; zoom margin in bitmap pixels.
    BeamView(int imageSide, int bitmapWidth, int zoomMargin);

    // False when there is nothing to show: no bitmap, or a margin that leaves none of it.
    bool valid() const { return valid_; }
    int centre() const { return centre_; }                      // image pixels from the left and top
    long double magnification() const { return magnification_; }  // 1 when nothing is cut off
    long double pixelsPerKm() const { return pixelsPerKm_; }      // at magnification 1

    // Pixel at a bearing (degrees clockwise from north) and radius (pixels) around a centre pixel,
    // rounded half to even.
    static QPoint polar(int centre, long double bearing, long double radius);
    QPoint polar(long double bearing, long double radius) const { return polar(centre_, bearing, radius); }

    // Image radius of a great-circle distance, pixels.
    long double radiusOf(long double distanceKm) const { return pixelsPerKm_ * magnification_ * distanceKm; }
    // Where a position (degrees) lies on the image, seen from the own station.
    QPoint pixelOf(const GeoPosition& own, double longitude, double latitude) const;

    // Bearing (degrees) and distance (km) from the own station of an image pixel.
    struct Spot {
        long double bearing = 0;
        long double distanceKm = 0;
    };
    Spot spotAt(QPoint pixel) const;

private:
    bool valid_ = false;
    int centre_ = 0;
    long double magnification_ = 1;
    long double pixelsPerKm_ = 0;
};
