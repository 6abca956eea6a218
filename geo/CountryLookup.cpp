// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CountryLookup.h"

#include <cmath>

namespace {

// Index counted from origin of the rounded (half to even) position, or -1 outside 0 .. count-1
// (NaN included).
int rasterIndex(long double scaled, int origin, int count)
{
    const long double index = std::nearbyint(scaled) + origin;
    return (index >= 0.0L && index < count) ? static_cast<int>(index) : -1;
}

} // namespace

CountryLookup::CountryLookup(const CountryRaster& raster, const QStringList& countryList)
    : raster_(raster), countryList_(countryList)
{
}

void CountryLookup::lookupCountry(double longitude, double latitude, QString& countryName, QString& prefix) const
{
    countryName.clear();
    prefix.clear();

    // Cells per degree: 70/17 along a meridian (0.242857 degrees each), 511/180 along a parallel
    // (0.352250 degrees each). Multiplying before dividing keeps 85.0 degrees exactly on cell 350.
    const int cell = rasterIndex(latitude * 70.0L / 17.0L, CountryRaster::equatorCell, CountryRaster::cellsPerRun);
    const int run = rasterIndex(longitude * 511.0L / 180.0L, CountryRaster::primeMeridianRun, CountryRaster::runs);
    if (cell < 0 || run < 0)
        return;
    const int country = raster_.at(run, cell);
    if (country == 0 || country >= countryList_.size())
        return;

    const QString& line = countryList_.at(country);
    const int separator = line.indexOf(QLatin1Char(';'));
    if (separator >= 0)
        countryName = line.left(separator);
    prefix = line.mid(separator + 1).left(maxPrefixLength);
}
