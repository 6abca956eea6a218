// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamRowKernel.h"

#include "beam/VectorClones.h"
#include "geo/GeoConstants.h"

#include <algorithm>
#include <cmath>

// This file is built with fast floating-point maths and OpenMP SIMD, so that the loops marked
// below call the vector sine, cosine and arccosine of the C library. The bounds allow for it.

namespace {

constexpr double degreesPerRadian = static_cast<double>(180.0L / geo_detail::pi);
// Largest difference of the sine of the point's latitude from the extended-precision value: four
// roundings of vector functions of at most 4 ulp each, with room to spare.
constexpr double sineBound = 1e-14;
// Error of one arccosine here or in the extended-precision code, radians.
constexpr double arcCosineError = 5e-15;
// Rounding of an angle of up to 180 degrees, degrees.
constexpr double degreeRounding = 1e-12;
// Below this the sine of the colatitude is not divided by: the point lies at a pole, where only
// the latitude counts.
constexpr double smallestColatitudeSine = 1e-6;

// Bound on the difference of the arccosines of two values whose difference is at most bound, one
// of them value: the slope of arccos at the end of that interval nearer to -1 or 1, but never
// more than 2 sqrt(bound), which arccos does not exceed even at -1 and 1. Branch-free, so that the
// loops calling it stay in vectors.
inline double arcCosineBound(double value, double bound)
{
    const double far = std::fabs(value) + bound;
    const double steep = 2 * std::sqrt(bound);
    const double slope = bound / std::sqrt(std::max(1 - far * far, 1e-300));
    const double known = (far < 1 ? std::min(slope, steep) : steep) + arcCosineError;
    return bound > 0.01 ? BeamRowKernel::unknown : known;
}

// Angular distance (radians) and cosine of the bearing of the pixels dx = 0 .. count - 1 of the
// row up pixels above the centre.
VECTOR_CLONES void distances(int count, double up, double radiansPerPixel, double* delta, double* cosBearing)
{
#pragma omp simd
    for (int dx = 0; dx < count; ++dx) {
        const double across = dx;
        // The centre pixel has no bearing; any will do, its caller does not take it from here.
        const double radius = std::max(std::sqrt(across * across + up * up), 1e-9);  // pixels
        delta[dx] = radius * radiansPerPixel;
        cosBearing[dx] = up / radius;  // no arctangent: the bearing is only needed as its cosine
    }
}

// Sine and cosine in passes of their own, so that they are not merged into a scalar sincos.
VECTOR_CLONES void cosines(int count, const double* angles, double* values)
{
#pragma omp simd
    for (int i = 0; i < count; ++i)
        values[i] = std::cos(angles[i]);
}

VECTOR_CLONES void sines(int count, const double* angles, double* values)
{
#pragma omp simd
    for (int i = 0; i < count; ++i)
        values[i] = std::sin(angles[i]);
}

VECTOR_CLONES void latitudes(int count, double sinOwn, double cosOwn, BeamRowKernel::Row& row)
{
    const double* const cosDelta = row.cosDelta.data();
    const double* const sinDelta = row.sinDelta.data();
    const double* const cosBearing = row.cosBearing.data();
    double* const sinLatitude = row.sinLatitude.data();
    double* const latitude = row.latitude.data();
    double* const latitudeBound = row.latitudeBound.data();
    double* const numerator = row.numerator.data();
    double* const numeratorBound = row.numeratorBound.data();
#pragma omp simd
    for (int dx = 0; dx < count; ++dx) {
        const double s = std::clamp(sinOwn * cosDelta[dx] + cosOwn * sinDelta[dx] * cosBearing[dx], -1.0, 1.0);
        sinLatitude[dx] = s;
        latitude[dx] = 90 - std::acos(s) * degreesPerRadian;
        latitudeBound[dx] = arcCosineBound(s, sineBound) * degreesPerRadian + degreeRounding;
        numerator[dx] = cosDelta[dx] - sinOwn * s;
        numeratorBound[dx] = 2 * sineBound;
    }
}

// The longitude difference is the arccosine of numerator / (cos(own latitude) * sin(colatitude)).
VECTOR_CLONES void longitudeDifferences(int count, double cosOwn, BeamRowKernel::Row& row)
{
    const double* const sinLatitude = row.sinLatitude.data();
    const double* const numerator = row.numerator.data();
    const double* const numeratorBound = row.numeratorBound.data();
    double* const difference = row.longitudeDifference.data();
    double* const differenceBound = row.longitudeDifferenceBound.data();
    double* const quotientClamp = row.quotientClamp.data();
    const double cosOwnSize = std::fabs(cosOwn);
#pragma omp simd
    for (int dx = 0; dx < count; ++dx) {
        const double s = sinLatitude[dx];
        const double colatitudeSine = std::max(std::sqrt(std::max(0.0, 1 - s * s)), smallestColatitudeSine);
        const double colatitudeSineBound = sineBound * std::fabs(s) / colatitudeSine + 1e-15;
        const double q = numerator[dx] / (cosOwn * colatitudeSine);
        const double qBound = (numeratorBound[dx] + std::fabs(q) * cosOwnSize * colatitudeSineBound)
                                  / (cosOwnSize * colatitudeSine)
                              + 1e-15 * std::fabs(q);
        const double clamped = std::clamp(q, -1.0, 1.0);
        difference[dx] = std::acos(clamped) * degreesPerRadian;
        differenceBound[dx] = arcCosineBound(clamped, qBound) * degreesPerRadian + degreeRounding;
        quotientClamp[dx] = q - qBound >= 1 ? 1.0 : q + qBound <= -1 ? -1.0 : 0.0;
    }
}

} // namespace

void BeamRowKernel::Row::resize(int count)
{
    for (std::vector<double>* values : {&delta, &latitude, &latitudeBound, &longitudeDifference, &longitudeDifferenceBound, &quotientClamp,
                                        &cosDelta, &sinDelta, &cosBearing, &sinLatitude, &numerator, &numeratorBound})
        values->resize(std::size_t(count));
}

BeamRowKernel::BeamRowKernel(long double sinOwnLatitude, long double cosOwnLatitude, int rimRadius)
    : sinOwn_(static_cast<double>(sinOwnLatitude)), cosOwn_(static_cast<double>(cosOwnLatitude)),
      radiansPerPixel_(static_cast<double>(geo_detail::pi / rimRadius)),
      atPole_(std::fabs(cosOwnLatitude) < 1e-18L)
{
}

void BeamRowKernel::evaluate(int dy, int count, Row& row) const
{
    row.resize(count);
    distances(count, dy, radiansPerPixel_, row.delta.data(), row.cosBearing.data());
    cosines(count, row.delta.data(), row.cosDelta.data());
    sines(count, row.delta.data(), row.sinDelta.data());
    latitudes(count, sinOwn_, cosOwn_, row);
    if (atPole_)
        poleNumerators(count, row);
    longitudeDifferences(count, cosOwn_, row);
}

// At a pole the sine of the own latitude is exactly 1 or -1 in extended precision, and the
// cosine a tiny c. There the sine of the point's latitude is sin * cos(delta) plus t = c sin(delta)
// cos(A), rounded to the 64-bit significand of cos(delta), so the numerator of the longitude
// quotient is -sin * k * ulp with k = t / ulp rounded to even. Where that rounding or the ulp
// cannot be told for sure, the numerator is left unknown.
void BeamRowKernel::poleNumerators(int count, Row& row) const
{
    const double sign = sinOwn_ > 0 ? 1.0 : -1.0;
    for (int dx = 0; dx < count; ++dx) {
        const double cosDelta = row.cosDelta[dx];
        const double t = cosOwn_ * row.sinDelta[dx] * row.cosBearing[dx];
        const double size = std::fabs(cosDelta);
        int exponent = 0;
        std::frexp(size, &exponent);
        const double binadeLow = std::ldexp(1.0, exponent - 1);
        const double ulp = std::ldexp(1.0, exponent - 1 - 63);  // of a 64-bit significand
        const double room = std::min(size - binadeLow, 2 * binadeLow - size);
        const double steps = t / ulp;
        const double stepsBound = (std::fabs(t) * 1e-13 + std::fabs(cosOwn_) * 1e-17) / ulp;
        const double half = std::floor(steps) + 0.5;
        if (size < 1e-12 || room <= 2 * std::fabs(t) + 2e-15 || std::fabs(steps - half) <= stepsBound) {
            row.numeratorBound[dx] = unknown;
            continue;
        }
        row.numerator[dx] = -sign * std::nearbyint(steps) * ulp;
        row.numeratorBound[dx] = 0;
    }
}
