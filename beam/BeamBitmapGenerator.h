// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "beam/AzimuthalProjection.h"
#include "beam/BeamRowKernel.h"
#include "geo/GeoPosition.h"
#include "geo/MapView.h"

#include <QImage>

#include <vector>

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
    // sampled from outside the world map's bitmap. Evaluated in extended precision, pixel by pixel;
    // rows() gives the same colours much faster.
    bool colourAt(int x, int y, QRgb& colour) const;

    // Rows firstRow .. firstRow + rowCount - 1 of the picture as an RGB32 image, white where no
    // colour is taken, every pixel as colourAt() gives it. The rows are shared out among the given
    // number of threads; the result does not depend on their number.
    QImage rows(int firstRow, int rowCount, int threads) const;
    // The whole picture as rows() gives it, drawn into picture: its memory is used again when it
    // is an unshared RGB32 image of the generator's side, so that a new position touches no fresh
    // memory.
    void generate(QImage& picture, int threads) const;

    // Closes the picture: a black one-pixel rim of radius side / 2 and the outside of the rim,
    // filled from near the four corners, in the colour outside.
    static void finish(QImage& picture, QRgb outside);

    // Threads worth starting on this machine, at least 1.
    static int availableThreads();

private:
    // Where the fast evaluation of a pixel leads: the index of a world map pixel (>= 0), the polar
    // colour, white, or nowhere for sure, so that the pixel is evaluated in extended precision.
    static constexpr double polar = -1, white = -2, unsure = -3;

    // What one worker computes a row in.
    struct Scratch {
        BeamRowKernel::Row values;
        std::vector<double> rows, east, west;  // per pixel from the centre column on, whole numbers
    };

    bool insideDisc(int dx, int dy) const;
    // The largest dx >= 0 with (dx, dy) inside the disc, or -1.
    int discReach(int dy) const;
    void fillRow(QRgb* line, int y, Scratch& scratch) const;
    // Rows firstRow .. firstRow + rowCount - 1 into the memory at bits, white first.
    void fillRows(uchar* bits, qsizetype bytesPerLine, int firstRow, int rowCount, int threads) const;
    // The index of the first world map pixel in the row at each latitude, or a code.
    void mapRows(const BeamRowKernel::Row& values, int count, double* rows) const;
    // The index of the world map pixel at each of the rows and at the own longitude plus side
    // (1 or -1) times the longitude difference, or a code.
    void mapColumns(const BeamRowKernel::Row& values, int count, double side, const double* rows, double* sources) const;
    // A pixel left unsure whose map row is known and whose longitude quotient is clamped for sure
    // (clamp -1 or 1; 0: not for sure) takes its colour here, on the side (1 east, -1 west).
    // False when it is not such a pixel.
    bool clampedPixel(double row, double clamp, int side, QRgb& colour) const;

    AzimuthalProjection projection_;
    BeamRowKernel kernel_;
    QImage worldMap_;  // a shared copy: the Mercator window may load another map meanwhile
    MapView whole_;
    QRgb polarColour_;
    int side_;
    int centre_;                // pixels
    long double pixelsPerKm_;
    double ownLongitude_;              // degrees
    double rowsPerDegree_, columnsPerDegree_;  // of the world map, signed
    double topLatitude_, leftLongitude_;       // degrees
    const QRgb* mapPixels_;                    // the world map's, read by every worker
    int mapStride_;                            // pixels from one map row to the next
    int mapWidth_, mapHeight_;                 // pixels
};
