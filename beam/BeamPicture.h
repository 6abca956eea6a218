// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"

#include "beam/BeamView.h"
#include "geo/CityRecord.h"
#include "geo/GeoPosition.h"

#include <QColor>
#include <QImage>

#include <functional>
#include <vector>

class Bmp24File;

// What a full redraw of the beam map paints, bottom to top.
struct BeamLayers {
    int circleSpacingKm = 5000;                       // km between distance circles
    const std::vector<CityRecord>* cities = nullptr;  // dots; none when null
    int markerSize = 3;                               // city dot diameter, pixels
    GeoPosition own;
};

// Draws the beam map on the top-left square of a drawing surface, as large as the shown image,
// from the beam bitmap with a zoom margin cut off each side.
class BeamPicture {
public:
    BeamPicture(QImage& canvas, int side, const QImage& bitmap, int zoomMargin);
    // The same picture with the bitmap's pixels read straight from its file where they are shown.
    BeamPicture(QImage& canvas, int side, const Bmp24File& file, int zoomMargin);

    const BeamView& view() const { return view_; }

    // Paints the picture anew from the bitmap up; the target path and the antenna line are not
    // among the layers. The layers over the map of the shading and marks stages are drawn at their
    // place (drawLayers, when given): the shading right over the bitmap, the marks after the spokes,
    // circles and cities.
    void paint(const BeamLayers& layers, const std::function<void(MapLayer::Stage)>& drawLayers = {});

    // The shown part of the bitmap, stretched over the picture.
    void copyBitmap();
    // Black one-pixel lines every 30 degrees from the rim to the centre.
    void drawSpokes();
    // Black one-pixel circles at every multiple of the spacing below the antipode distance (km);
    // none for a spacing of 0 or less.
    void drawCircles(int spacingKm);
    // A red dot at every city, in table order.
    void drawCityDots(const std::vector<CityRecord>& cities, int markerSize, const GeoPosition& own);
    // The path from the centre to 200 km beyond the target and a 60 degree arc at its distance.
    void drawTargetPath(double bearing, double distanceKm, const QColor& colour);
    // The antenna's beam: a wedge from the centre half the opening angle either side of the
    // direction (degrees), as long as the antenna line within the map's rim, filled translucent.
    void fillSector(double direction, double openingAngle, const QColor& colour);
    // The antenna line from the centre in a direction (degrees), drawn with an inverting pen three
    // pixels wide: drawing it twice restores every pixel.
    void invertAntennaLine(double direction);

    static constexpr int pathWidth = 3;          // target path and antenna line, pixels
    static constexpr int arcHalfWidth = 30;      // degrees on either side of the target bearing
    static constexpr int pathBeyondKm = 200;     // the path reaches this far past the target
    static constexpr int antennaLineKm = 20000;  // length of the antenna line at magnification 1

private:
    // How far the antenna line and the antenna's beam reach from the centre, pixels.
    long double antennaLineLength() const;
    QImage& canvas_;
    int side_;
    const QImage* bitmap_ = nullptr;  // the pixels come from here, or else from file_
    const Bmp24File* file_ = nullptr;
    QSize bitmapSize_;  // pixels
    int zoomMargin_;
    BeamView view_;
};
