// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CityRecord.h"
#include "geo/GeoPosition.h"
#include "geo/MapLayer.h"
#include "geo/MapView.h"
#include "geo/TargetInfo.h"
#include "mercator/SampleGreatCircle.h"

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class Bmp24File;
class QPen;

// What a full redraw of the Mercator map paints, bottom to top.
struct MapLayers {
    const QImage* bitmap = nullptr;  // the whole map, RGB32
    const Bmp24File* file = nullptr;  // the whole map's file, its pixels read from there without a bitmap
    MapView whole;                   // the whole map's rectangle
    const std::vector<CityRecord>* cities = nullptr;  // markers; none when null
    int markerSize = 3;              // city marker diameter, pixels
    int gridLevel = 0;               // a LocatorGrid level
    bool targetShown = false;        // half great circle towards the target and crosshair
    GeoPosition own;
    TargetInfo target;
    QColor crosshairColour;
};

// Draws the Mercator map on the top-left part of a drawing surface (RGB32), as large as the shown
// image, for one view. Degrees become pixels through the linear view conversions.
class MercatorPicture {
public:
    MercatorPicture(QImage& canvas, QSize size, const MapView& view);

    // Paints the picture anew from the bitmap up; the direction line is not among the layers.
    // The layers over the map are drawn at their stage (drawLayers, when given): the shading right
    // over the bitmap, the marks after the grid and cities, the labels last.
    void paintMap(const MapLayers& layers, const std::function<void(MapLayer::Stage)>& drawLayers = {});

    // Copies the view's part of the whole map's bitmap, stretched over the picture; parts of the
    // view beyond the bitmap stay white.
    void copyMapPart(const QImage& bitmap, const MapView& whole);
    // The same pixels, read straight from the map's file where they are shown.
    void copyMapPart(const Bmp24File& file, const MapView& whole);
    // A round dot of markerSize pixels diameter at every city, in table order.
    void drawCityMarkers(const std::vector<CityRecord>& cities, int markerSize, const QColor& color);
    // Black one-pixel grid lines of a LocatorGrid level.
    void drawLocatorGrid(int level);
    // The sampled half great circle from the own station, copied in a colour.
    void drawCircle(const GeoPosition& own, const CirclePoints& points, const QColor& color, int width);
    // The same, with an inverting pen three pixels wide: drawing it twice restores every pixel.
    void invertCircle(const GeoPosition& own, const CirclePoints& points);
    // The antenna's beam: the area between the two half great circles that leave the own station
    // half the opening angle either side of the direction (degrees), filled translucent.
    void fillSector(const GeoPosition& own, double direction, double openingAngle, const QColor& colour);
    // One-pixel vertical and horizontal line through a position, degrees.
    void drawCrosshair(double longitude, double latitude, const QColor& color);
    // A dotted rectangle drawn by inversion, so that drawing it again removes it.
    void invertFocusRect(const QRect& rect);

    // The sampled circle as polylines in pixels: the first starts at the own station; a new one
    // begins where the circle crosses the 180 degree meridian (longitude jump of 200 degrees or
    // more) or after a point without a longitude. Pieces of a single point are left out.
    std::vector<QPolygon> linePieces(const GeoPosition& own, const CirclePoints& points) const;

    static constexpr int invertedLineWidth = 3;  // pixels
    static constexpr int targetLineWidth = 3;    // pixels

    // A direction in degrees as the sampling takes it: -180 < direction <= 180.
    static double halfTurnDirection(double degrees);

private:
    QPoint toPixel(double longitude, double latitude) const;
    // Begins a copy from a whole map's bitmap of bitmapSize pixels: the picture turns white where
    // the view reaches beyond the bitmap. The part of the bitmap the view shows.
    QRect startCopy(QSize bitmapSize, const MapView& whole);
    void strokePieces(const std::vector<QPolygon>& pieces, const QPen& pen, bool invert);

    QImage& canvas_;
    QSize size_;
    MapView view_;
};
