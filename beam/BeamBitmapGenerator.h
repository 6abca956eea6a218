#pragma once

#include "beam/AzimuthalProjection.h"
#include "geo/GeoPosition.h"
#include "geo/MapView.h"

#include <QImage>

// Builds the beam bitmap: a square azimuthal-equidistant picture of the whole earth around the
// own station, sampled pixel by pixel from the world map. The disc's rim (half the bitmap's side
// from the centre) is the antipode.
class BeamBitmapGenerator {
public:
    // Pixels at this distance or more are left white, km.
    static constexpr long double discLimitKm = 20001;
    // Latitudes beyond these are not on the world map and get the polar colour, degrees.
    static constexpr long double northernmostLatitude = 84.5, southernmostLatitude = -64.5;

    // side: the bitmap's width and height, pixels; worldMap (RGB32) covers the rectangle whole;
    // polarColour is given as an RGB value.
    BeamBitmapGenerator(const GeoPosition& own, const QImage& worldMap, const MapView& whole, QRgb polarColour, int side);

    int side() const { return side_; }

    // The colour of picture pixel (x, y), or false when it stays white: beyond discLimitKm, or
    // sampled from outside the world map's bitmap.
    bool colourAt(int x, int y, QRgb& colour) const;

    // Rows firstRow .. firstRow + rowCount - 1 of the picture as an RGB32 image, white where no
    // colour is taken. The rows are shared out among the given number of threads; every pixel is
    // computed alone, so the result does not depend on their number.
    QImage rows(int firstRow, int rowCount, int threads) const;

    // Closes the picture: a black one-pixel rim of radius side / 2 and the outside of the rim,
    // filled from near the four corners, in the colour outside.
    static void finish(QImage& picture, QRgb outside);

    // Threads worth starting on this machine, at least 1.
    static int availableThreads();

private:
    void fillRow(QRgb* line, int y) const;

    AzimuthalProjection projection_;
    QImage worldMap_;  // a shared copy: the Mercator window may load another map meanwhile
    MapView whole_;
    QRgb polarColour_;
    int side_;
    int centre_;                // pixels
    long double pixelsPerKm_;
};
