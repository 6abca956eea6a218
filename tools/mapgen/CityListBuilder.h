// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CountryRaster.h"
#include "tools/mapgen/CityExtract.h"
#include "tools/mapgen/CountryCatalogue.h"
#include "tools/mapgen/DxccTable.h"

#include <QString>

// Citys.txt: capitals and cities of at least 500,000 inhabitants, largest first, then the DXCC
// entities that are islands or small territories, so that a point at sea still names something
// useful. Lines are "name TAB latitude TAB longitude" in degrees, north and east positive, CR LF.
class CityListBuilder {
public:
    static constexpr long long minimumPopulation = 500000;
    static constexpr int smallTerritoryCells = 10;      // raster cells, about 8,000 km2 at the equator
    static constexpr double duplicateDistanceKm = 25.0;  // a DXCC point this near a listed place is left out

    static QString build(const CityExtract& cities, const DxccTable& dxcc, const CountryCatalogue& catalogue,
                         const CountryRaster& raster);
};
