// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CityRecord.h"
#include "geo/CountryRaster.h"

#include <QString>
#include <QStringList>

#include <vector>

// Reads the three reference files of Karten/: the country raster, the country list and the city
// list. Missing or short files throw AppError; malformed numbers in the city list read as 0.
class ReferenceDataLoader {
public:
    // Reads exactly CountryRaster::byteCount bytes; a longer file is read to that size. On any
    // failure the raster is left all zero.
    static void readCountryRaster(const QString& path, CountryRaster& raster);
    // One entry per line, unchanged; line n is country number n.
    static QStringList readCountryList(const QString& path);
    // One record per line: name TAB latitude TAB longitude, "," accepted as decimal point.
    static std::vector<CityRecord> readCityTable(const QString& path);
    // Throws as the readings do when the file is missing or cannot be opened; reads nothing.
    static void requireReadable(const QString& path);
    // One line of the city list; a line without TAB is a city of that name at 0, 0.
    static CityRecord parseCityLine(const QString& line);

private:
    static QStringList readTextLines(const QString& path);
};
