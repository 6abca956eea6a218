// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QSize>
#include <QString>
#include <QTransform>

// A picture that is linear in longitude and latitude: its edges in degrees and its size in
// pixels. Longitudes of the edges may lie outside -180 .. +180 (the country raster's samples reach
// half a cell beyond 180 degrees).
class MapSheet {
public:
    MapSheet(const QString& name, double top, double bottom, double left, double right, QSize pixels);

    const QString& name() const { return name_; }
    double top() const { return top_; }        // latitude of the north edge, degrees
    double bottom() const { return bottom_; }  // latitude of the south edge, degrees
    double left() const { return left_; }      // longitude of the west edge, degrees
    double right() const { return right_; }    // longitude of the east edge, degrees
    QSize pixels() const { return pixels_; }

    // Maps (longitude, latitude) in degrees to pixel coordinates; pixel (0, 0) is the north-west
    // corner of the first pixel.
    QTransform degreesToPixels() const;

    // The two lines of the calibration file: north-west corner, then south-east corner, each as
    // latitude and longitude with two decimals and hemisphere letters, for example "72.00N 25.00W".
    QString calibrationText() const;

private:
    QString name_;
    double top_, bottom_, left_, right_;
    QSize pixels_;
};
