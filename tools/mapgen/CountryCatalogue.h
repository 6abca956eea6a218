// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "tools/mapgen/DxccTable.h"
#include "tools/mapgen/WorldShapes.h"

#include <QHash>
#include <QString>

#include <vector>

// The country numbers of the raster and the lines of the country list: one number per country
// (German name and amateur-radio prefix), polygons with the same name and prefix sharing it, and
// further numbers for DXCC entities that are parts of a country.
class CountryCatalogue {
public:
    static constexpr int maxNumber = 255;  // raster numbers are single bytes, 0 meaning none

    struct Entry {
        QString name;    // German name
        QString prefix;  // amateur-radio prefix
    };

    // Land of a country that belongs to another number: whole polygons whose bounding-box centre
    // lies in the box ("part"), or every point in the box ("clip"). Degrees; west may exceed east
    // by way of east > 180 to cross 180 degrees.
    struct Region {
        int number;
        int country;  // index into WorldShapes::countries
        bool wholePolygons;
        double west, south, east, north;

        bool contains(double longitude, double latitude) const;
    };

    // Reads country-names-de.csv, country-fixes.csv and sub-entities.csv from dataDir and matches
    // names with the DXCC table. Throws AppError for a polygon without German name or prefix, an
    // unknown country in the hand tables, or more than maxNumber numbers.
    CountryCatalogue(const WorldShapes& world, const DxccTable& dxcc, const QString& dataDir);

    const std::vector<Entry>& entries() const { return entries_; }  // entry i has number i + 1
    int numberOfCountry(int country) const { return countryNumbers_[country]; }
    const std::vector<Region>& regions() const { return regions_; }
    // Number of the polygon of a country, its own region's if one claims it whole.
    int numberOfPolygon(int country, const ShapePolygon& polygon) const;
    // Number of the country with this ISO alpha-2 code, 0 for none.
    int numberOfAlpha2(const QString& alpha2) const { return alpha2Numbers_.value(alpha2, 0); }
    // Number of the first entry with this prefix, 0 for none.
    int numberOfPrefix(const QString& prefix) const;
    // True for the numbers of DXCC entities that are parts of a country (Hawaii, Canary Islands).
    bool isPartEntry(int number) const { return number > countryEntryCount_; }

    // Laenderliste.txt as text: a heading, then "name;prefix" for numbers 1, 2, ...; CR LF.
    QString countryListText() const;

private:
    int numberOf(const Entry& entry, bool addMissing);

    std::vector<Entry> entries_;
    int countryEntryCount_ = 0;
    std::vector<int> countryNumbers_;
    std::vector<Region> regions_;
    QHash<QString, int> alpha2Numbers_;
};
