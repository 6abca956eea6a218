// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/TwilightShade.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double radians = pi / 180;

// Lower edges of daylight and of the three twilights: sines of -0.833, -6, -12 and -18 degrees.
const float bandEdges[4] = {
    float(std::sin(-0.833 * radians)), float(std::sin(-6 * radians)),
    float(std::sin(-12 * radians)), float(std::sin(-18 * radians))};
// Brightness kept in each band, 256ths: day, civil, nautical, astronomical twilight, night.
constexpr std::uint32_t bandBrightness[5] = {256, 200, 160, 128, 100};

// Sub-steps per pixel of the radius tables: a quarter pixel keeps the band edges within the
// pixel they belong to.
constexpr int radiusSteps = 4;

int band(float sinAltitude)
{
    return int(sinAltitude < bandEdges[0]) + int(sinAltitude < bandEdges[1]) + int(sinAltitude < bandEdges[2])
           + int(sinAltitude < bandEdges[3]);
}

} // namespace

TwilightShade::TwilightShade(const SolarPosition& sun)
    : sun_(sun)
{
}

int TwilightShade::brightness(double sinAltitude)
{
    return int(bandBrightness[band(float(sinAltitude))]);
}

void TwilightShade::darken(std::uint32_t* row, const float* sinAltitude, int n)
{
    // The brightness as a sum of steps rather than a table look-up, and daylight multiplied by
    // 256 like the rest: no branch and no gather, so the loop runs on vector registers.
    const std::uint32_t stepDown[4] = {bandBrightness[0] - bandBrightness[1], bandBrightness[1] - bandBrightness[2],
                                       bandBrightness[2] - bandBrightness[3], bandBrightness[3] - bandBrightness[4]};
    for (int x = 0; x < n; ++x) {
        const float s = sinAltitude[x];
        const std::uint32_t keep = 256 - stepDown[0] * (s < bandEdges[0]) - stepDown[1] * (s < bandEdges[1])
                                   - stepDown[2] * (s < bandEdges[2]) - stepDown[3] * (s < bandEdges[3]);
        const std::uint32_t pixel = row[x];
        // Red and blue in one multiplication, green in another; alpha stays.
        const std::uint32_t redBlue = ((pixel & 0x00FF00FFu) * keep >> 8) & 0x00FF00FFu;
        const std::uint32_t green = ((pixel & 0x0000FF00u) * keep >> 8) & 0x0000FF00u;
        row[x] = (pixel & 0xFF000000u) | redBlue | green;
    }
}

void TwilightShade::shadeGrid(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                              const double* columnLongitudes, const double* rowLatitudes) const
{
    // sin(altitude) = sin(lat) sin(dec) + cos(lat) cos(dec) cos(hour angle): along a row it only
    // grows with the column's hour-angle cosine. With the columns sorted by that cosine, each
    // band of a row is a run of that order, found by binary search, and daylight is never touched.
    const GeoPosition& subsolar = sun_.subsolarPoint();
    const double sinDeclination = std::sin(subsolar.latitude * radians);
    const double cosDeclination = std::cos(subsolar.latitude * radians);
    std::vector<double> hourCosines(static_cast<std::size_t>(width));
    std::vector<int> byCosine(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        hourCosines[x] = std::cos((columnLongitudes[x] - subsolar.longitude) * radians);
        byCosine[x] = x;
    }
    std::sort(byCosine.begin(), byCosine.end(), [&](int a, int b) { return hourCosines[a] < hourCosines[b]; });
    std::vector<double> sortedCosines(static_cast<std::size_t>(width));
    for (int i = 0; i < width; ++i)
        sortedCosines[i] = hourCosines[byCosine[i]];

    for (int y = 0; y < height; ++y) {
        const double fromLatitude = std::sin(rowLatitudes[y] * radians) * sinDeclination;
        const double scale = std::cos(rowLatitudes[y] * radians) * cosDeclination;
        std::uint32_t* row = pixels + y * stride;
        // How many columns lie below each band edge: the darker bands first in the order.
        int below[4];
        for (int k = 0; k < 4; ++k) {
            if (scale <= 1e-12) {  // at a pole the whole row has one altitude
                below[k] = fromLatitude < bandEdges[k] ? width : 0;
                continue;
            }
            const double limit = (double(bandEdges[k]) - fromLatitude) / scale;
            below[k] = int(std::lower_bound(sortedCosines.begin(), sortedCosines.end(), limit) - sortedCosines.begin());
        }
        // Columns [below[k + 1], below[k]) are in band k + 1; those under below[3] in the night.
        int end = below[0];
        for (int band = 1; band <= 4; ++band) {
            const int begin = band < 4 ? below[band] : 0;
            const std::uint32_t keep = bandBrightness[band];
            for (int i = begin; i < end; ++i) {
                std::uint32_t& pixel = row[byCosine[i]];
                const std::uint32_t redBlue = ((pixel & 0x00FF00FFu) * keep >> 8) & 0x00FF00FFu;
                const std::uint32_t green = ((pixel & 0x0000FF00u) * keep >> 8) & 0x0000FF00u;
                pixel = (pixel & 0xFF000000u) | redBlue | green;
            }
            end = begin;
        }
    }
}

void TwilightShade::shadeDisc(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                              const GeoPosition& centre, double centreX, double centreY, double radiusPixels) const
{
    if (radiusPixels <= 0)
        return;
    // A point at bearing b and angular distance d from the centre C is
    //   cos d * C + sin d * (cos b * North + sin b * East),
    // so the sun's altitude sine there is cos d * (C.S) + sin d * (cos b * (N.S) + sin b * (E.S)).
    // With the pixel offset (dx right, dy up) at radius r: sin d cos b = (sin d / r) dy and
    // sin d sin b = (sin d / r) dx.
    const GeoPosition& subsolar = sun_.subsolarPoint();
    const double phi = centre.latitude * radians;
    const double delta = subsolar.latitude * radians;
    const double lambda = (centre.longitude - subsolar.longitude) * radians;
    const double centreDot = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(lambda);
    const double northDot = std::cos(phi) * std::sin(delta) - std::sin(phi) * std::cos(delta) * std::cos(lambda);
    const double eastDot = -std::cos(delta) * std::sin(lambda);

    // cos d and (sin d) / r by radius, in quarter pixels.
    const int entries = int(radiusPixels * radiusSteps) + 2;
    std::vector<float> cosDistance(static_cast<std::size_t>(entries)), sinDistancePerRadius(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        const double r = double(i) / radiusSteps;  // pixels
        const double d = pi * r / radiusPixels;     // radians
        cosDistance[i] = float(std::cos(d) * centreDot);
        sinDistancePerRadius[i] = float(i == 0 ? pi / radiusPixels : std::sin(d) / r);
    }

    sines_.resize(static_cast<std::size_t>(width));
    const double radiusSquared = radiusPixels * radiusPixels;
    for (int y = 0; y < height; ++y) {
        const double dy = centreY - y;
        if (dy * dy > radiusSquared)
            continue;
        // The row's chord through the disc.
        const double halfChord = std::sqrt(radiusSquared - dy * dy);
        const int first = std::max(0, int(std::ceil(centreX - halfChord)));
        const int last = std::min(width - 1, int(std::floor(centreX + halfChord)));
        if (first > last)
            continue;
        const float fromNorth = float(dy * northDot);
        for (int x = first; x <= last; ++x) {
            const float dx = float(x - centreX);
            const float r = std::sqrt(dx * dx + float(dy * dy));
            const int i = std::min(entries - 1, int(r * radiusSteps + 0.5f));
            sines_[x - first] = cosDistance[i] + sinDistancePerRadius[i] * (fromNorth + dx * float(eastDot));
        }
        darken(pixels + y * stride + first, sines_.data(), last - first + 1);
    }
}
