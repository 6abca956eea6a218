// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CountryRaster.h"

#include <QString>
#include <QStringList>

// Country name and prefix under a position, from the country raster and the country list (line n
// of the list is country number n). Holds references: both tables must outlive the lookup.
class CountryLookup {
public:
    static constexpr int maxPrefixLength = 200;  // characters kept of a prefix

    CountryLookup(const CountryRaster& raster, const QStringList& countryList);

    // Longitude and latitude in degrees. Both texts are empty over sea, outside the raster
    // (latitudes beyond -65.09 .. +85.00, longitudes beyond -180 .. +180) and for a country number
    // without a line in the list.
    void lookupCountry(double longitude, double latitude, QString& countryName, QString& prefix) const;

private:
    const CountryRaster& raster_;
    const QStringList& countryList_;
};
