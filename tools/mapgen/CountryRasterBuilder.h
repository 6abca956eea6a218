// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CountryRaster.h"
#include "tools/mapgen/CountryCatalogue.h"
#include "tools/mapgen/WorldShapes.h"

#include <QPointF>

#include <cstdint>
#include <vector>

// Fills the country raster from the outlines. Each cell looks at 3 x 3 sample points: it is land
// if any sample is, and takes the number most samples carry, so coastal cities stay on land.
// Countries too small to win a cell are stamped onto the cell nearest to them, and the cell of
// every capital shows its own country (Rome stays Italy beside the Vatican).
class CountryRasterBuilder {
public:
    struct Capital {
        QPointF position;  // (longitude, latitude), degrees
        int number;        // country number of its country
    };

    CountryRasterBuilder(const WorldShapes& world, const CountryCatalogue& catalogue);

    // Capitals in order of precedence: where two share a cell, the first one keeps it.
    void build(const std::vector<Capital>& capitals, CountryRaster& raster) const;

    // Run and cell that the program's lookup reads for a position in degrees; false outside.
    static bool cellOf(QPointF position, int& run, int& cell);

private:
    std::vector<std::uint8_t> sampleNumbers() const;
    void stampSmallCountries(const std::vector<bool>& capitalCells, CountryRaster& raster) const;

    const WorldShapes& world_;
    const CountryCatalogue& catalogue_;
};
