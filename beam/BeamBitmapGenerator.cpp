// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamBitmapGenerator.h"

#include "beam/BeamView.h"
#include "beam/BorderFill.h"
#include "beam/IntegerLine.h"
#include "beam/VectorClones.h"
#include "geo/GreatCircle.h"
#include "geo/MapTransforms.h"
#include "mapfiles/LargeImage.h"


#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace {

// Rounding of a pixel coordinate computed in double beside the extended-precision one, pixels.
constexpr double pixelRounding = 1e-9;

// The integer nearest to value, or false when value lies within bound of a half-integer, where
// the extended-precision value might round the other way.
// The integer nearest to value, halves to even: adding and taking away 1.5 * 2^52 leaves no
// fraction in between. For the map's pixel coordinates, far below 2^51.
inline double nearestInteger(double value)
{
    constexpr double shift = 6755399441055744.0;
    return (value + shift) - shift;
}

// Whether value lies farther than bound from every half-integer, so that the extended-precision
// value rounds to the same integer.
inline bool roundsClearly(double value, double bound, double nearest)
{
    return std::fabs(value - nearest) < 0.5 - bound;
}

inline bool near(double value, double limit, double bound)
{
    return std::fabs(value - limit) <= bound;
}

} // namespace

BeamBitmapGenerator::BeamBitmapGenerator(const GeoPosition& own, const QImage& worldMap, const MapView& whole,
                                         QRgb polarColour, int side)
    : projection_(own), kernel_(projection_.sinOwnLatitude(), projection_.cosOwnLatitude(), side / 2),
      worldMap_(worldMap.convertToFormat(QImage::Format_RGB32)), whole_(whole), polarColour_(polarColour), side_(side), centre_(side / 2),
      pixelsPerKm_(centre_ / AzimuthalProjection::antipodeKm), ownLongitude_(own.longitude),
      rowsPerDegree_(static_cast<double>(worldMap.height() / (whole.bottom - whole.top))),
      columnsPerDegree_(static_cast<double>(worldMap.width() / (whole.right - whole.left))),
      topLatitude_(static_cast<double>(whole.top)), leftLongitude_(static_cast<double>(whole.left)),
      mapPixels_(reinterpret_cast<const QRgb*>(worldMap_.constBits())), mapStride_(int(worldMap_.bytesPerLine() / 4)),
      mapWidth_(worldMap_.width()), mapHeight_(worldMap_.height())
{
}

bool BeamBitmapGenerator::insideDisc(int dx, int dy) const
{
    const long double across = dx, up = dy;  // pixels
    return std::sqrt(across * across + up * up) / pixelsPerKm_ < discLimitKm;
}

int BeamBitmapGenerator::discReach(int dy) const
{
    const double limit = static_cast<double>(discLimitKm * pixelsPerKm_);  // pixels
    const double square = limit * limit - double(dy) * dy;
    int reach = square > 0 ? static_cast<int>(std::sqrt(square)) : -1;
    // The estimate is off by a pixel at most; the disc test itself decides.
    while (insideDisc(reach + 1, dy))
        ++reach;
    while (reach >= 0 && !insideDisc(reach, dy))
        --reach;
    return reach;
}

bool BeamBitmapGenerator::colourAt(int x, int y, QRgb& colour) const
{
    const long double dx = x - centre_, dy = centre_ - y;  // pixels, north up
    if (!insideDisc(x - centre_, centre_ - y))
        return false;
    const long double distance = std::sqrt(dx * dx + dy * dy) / pixelsPerKm_;  // km
    const AzimuthalProjection::Point point =
        projection_.pointAt(AzimuthalProjection::screenBearing(dx, dy), distance);
    if (point.latitude > northernmostLatitude || point.latitude < southernmostLatitude) {
        colour = polarColour_;
        return true;
    }
    const int column = lonToMapBitmapX(whole_, worldMap_.width(), AzimuthalProjection::sampledLongitude(point.longitude));
    const int row = latToMapBitmapY(whole_, worldMap_.height(), point.latitude);
    // A map that does not reach this far (a regional map in place of the world) has nothing here.
    if (!worldMap_.valid(column, row))
        return false;
    colour = worldMap_.pixel(column, row);
    return true;
}

// The passes below are written without branches, so that they run in vectors.

VECTOR_CLONES void BeamBitmapGenerator::mapRows(const BeamRowKernel::Row& values, int count, double* rows) const
{
    const double north = static_cast<double>(northernmostLatitude), south = static_cast<double>(southernmostLatitude);
    const double* const latitudes = values.latitude.data();
    const double* const bounds = values.latitudeBound.data();
#pragma omp simd
    for (int dx = 0; dx < count; ++dx) {
        const double latitude = latitudes[dx], bound = bounds[dx];  // degrees
        const bool nearLimit = near(latitude, north, bound) | near(latitude, south, bound);
        const bool beyond = (latitude > north) | (latitude < south);
        const double place = (latitude - topLatitude_) * rowsPerDegree_;  // map pixels
        const double row = nearestInteger(place);
        const bool clear = roundsClearly(place, bound * std::fabs(rowsPerDegree_) + pixelRounding, row);
        const double onMap = (row >= 0) & (row < mapHeight_) ? row * mapStride_ : white;
        rows[dx] = nearLimit ? unsure : beyond ? polar : clear ? onMap : unsure;
    }
}

VECTOR_CLONES void BeamBitmapGenerator::mapColumns(const BeamRowKernel::Row& values, int count, double side, const double* rows,
                                     double* sources) const
{
    const double* const differences = values.longitudeDifference.data();
    const double* const bounds = values.longitudeDifferenceBound.data();
#pragma omp simd
    for (int dx = 0; dx < count; ++dx) {
        double longitude = ownLongitude_ + side * differences[dx];  // degrees
        const double bound = bounds[dx] + 1e-12;                     // with the sum's rounding, degrees
        // The wrap at +-180 and the clamp at +-179 are decisions of their own.
        const bool nearWrap = near(longitude, 180, bound) | near(longitude, -180, bound);
        longitude = longitude > 180 ? longitude - 360 : longitude;
        longitude = longitude < -180 ? longitude + 360 : longitude;
        const bool nearClamp = near(longitude, 179, bound) | near(longitude, -179, bound);
        longitude = std::clamp(longitude, -179.0, 179.0);
        const double place = (longitude - leftLongitude_) * columnsPerDegree_;  // map pixels
        const double column = nearestInteger(place);
        const bool clear = roundsClearly(place, bound * std::fabs(columnsPerDegree_) + pixelRounding, column);
        const bool unclear = nearWrap | nearClamp | !clear;
        const double onMap = (column >= 0) & (column < mapWidth_) ? column : white;
        const double row = rows[dx];
        sources[dx] = row < 0 ? row : unclear ? unsure : onMap < 0 ? onMap : row + onMap;
    }
}

void BeamBitmapGenerator::fillRow(QRgb* line, int y, Scratch& scratch) const
{
    const int dy = centre_ - y;  // pixels, north up
    const int reach = discReach(dy);
    if (reach < 0)
        return;
    const int right = std::min(reach, side_ - 1 - centre_), left = std::min(reach, centre_);  // pixels
    const int count = std::max(right, left) + 1;
    kernel_.evaluate(dy, count, scratch.values);

    // Where each pixel comes from, decided first; the map is read in a pass of its own, so that
    // its reads, far apart in memory, overlap instead of waiting on each other. The left half
    // mirrors the right: the same latitude, the opposite longitude difference.
    scratch.rows.resize(std::size_t(count));
    scratch.east.resize(std::size_t(count));
    scratch.west.resize(std::size_t(count));
    mapRows(scratch.values, count, scratch.rows.data());
    mapColumns(scratch.values, count, 1, scratch.rows.data(), scratch.east.data());
    mapColumns(scratch.values, count, -1, scratch.rows.data(), scratch.west.data());
    const auto take = [&](int dx, int side, double source) {
        const int x = centre_ + side * dx;
        const bool centre = dx == 0 && dy == 0;  // it has no bearing
        if (centre || source == unsure) {
            if (centre || !clampedPixel(scratch.rows[std::size_t(dx)], scratch.values.quotientClamp[std::size_t(dx)], side, line[x]))
                colourAt(x, y, line[x]);
        } else if (source >= 0) {
            line[x] = mapPixels_[static_cast<int>(source)];
        } else if (source == polar) {
            line[x] = polarColour_;
        }
    };
    for (int dx = left; dx >= 1; --dx)
        take(dx, -1, scratch.west[std::size_t(dx)]);
    for (int dx = 0; dx <= right; ++dx)
        take(dx, 1, scratch.east[std::size_t(dx)]);
}

bool BeamBitmapGenerator::clampedPixel(double row, double clamp, int side, QRgb& colour) const
{
    if (row < 0 || clamp == 0)
        return false;
    // The quotient lies beyond -1 or 1 for sure, so the extended-precision longitude difference is
    // exactly that of the clamped arccosine: 0 or just below 180 degrees, which no double holds.
    // The wrap and clamp of the longitude are taken from there as colourAt() takes them.
    const long double difference = arcCosClamped(clamp) / degToRad;  // degrees
    const long double longitude = ownLongitude_ + (side < 0 ? -difference : difference);
    const int column = lonToMapBitmapX(whole_, mapWidth_, AzimuthalProjection::sampledLongitude(longitude));
    if (column >= 0 && column < mapWidth_)
        colour = mapPixels_[static_cast<int>(row) + column];
    return true;
}

QImage BeamBitmapGenerator::rows(int firstRow, int rowCount, int threads) const
{
    QImage part(side_, rowCount, QImage::Format_RGB32);
    fillRows(part.bits(), part.bytesPerLine(), firstRow, rowCount, threads);
    return part;
}

void BeamBitmapGenerator::generate(QImage& picture, int threads) const
{
    if (picture.size() != QSize(side_, side_) || picture.format() != QImage::Format_RGB32 || !picture.isDetached())
        picture = LargeImage::rgb32(side_, side_);
    // A picture read from a file carries the file's resolution; a built one has that of a new image.
    const QImage fresh(1, 1, QImage::Format_RGB32);
    picture.setDotsPerMeterX(fresh.dotsPerMeterX());
    picture.setDotsPerMeterY(fresh.dotsPerMeterY());
    fillRows(picture.bits(), picture.bytesPerLine(), 0, side_, threads);
}

void BeamBitmapGenerator::fillRows(uchar* bits, qsizetype bytesPerLine, int firstRow, int rowCount, int threads) const
{
    // The workers write disjoint rows of the same memory; each row is made white just before it
    // is filled, while it is in the cache.
    const auto work = [&](int worker, int workers) {
        Scratch scratch;
        for (int i = worker; i < rowCount; i += workers) {
            QRgb* const line = reinterpret_cast<QRgb*>(bits + i * bytesPerLine);
            std::fill(line, line + side_, qRgb(255, 255, 255));
            fillRow(line, firstRow + i, scratch);
        }
    };
    const int workers = std::clamp(threads, 1, std::max(1, rowCount));
    std::vector<std::thread> started;
    for (int worker = 1; worker < workers; ++worker)
        started.emplace_back(work, worker, workers);
    work(0, workers);
    for (std::thread& thread : started)
        thread.join();
}

void BeamBitmapGenerator::finish(QImage& picture, QRgb outside)
{
    const int centre = picture.width() / 2;  // pixels
    // The rim: chords between the points of every degree, from the top round and back.
    QPoint from(centre, 0);
    for (int degrees = 0; degrees <= 360; ++degrees) {
        const QPoint to = BeamView::polar(centre, degrees, centre);
        IntegerLine::draw(picture, from, to, qRgb(0, 0, 0));
        from = to;
    }
    const int right = picture.width() - 10, bottom = picture.height() - 10;  // pixels
    for (const QPoint seed : {QPoint(10, 10), QPoint(right, 10), QPoint(10, bottom), QPoint(right, bottom)})
        BorderFill::fill(picture, seed, qRgb(0, 0, 0), outside);
}

int BeamBitmapGenerator::availableThreads()
{
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
}
