// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CityListBuilder.h"

#include "geo/CityRecord.h"
#include "geo/GreatCircle.h"
#include "tools/mapgen/CountryRasterBuilder.h"

#include <QHash>
#include <QPointF>

#include <vector>

namespace {

struct Place {
    QString name;
    double latitude;   // degrees north
    double longitude;  // degrees east
};

bool nearListed(const std::vector<Place>& places, double longitude, double latitude)
{
    for (const Place& place : places)
        if (greatCircleDistance(longitude, latitude, place.longitude, place.latitude) < CityListBuilder::duplicateDistanceKm)
            return true;
    return false;
}

} // namespace

QString CityListBuilder::build(const CityExtract& cities, const DxccTable& dxcc, const CountryCatalogue& catalogue,
                               const CountryRaster& raster)
{
    std::vector<Place> places;
    for (const CityExtract::City& city : cities.cities())
        if (city.capital || city.population >= minimumPopulation)
            places.push_back({city.name, city.latitude, city.longitude});

    std::vector<int> cellCounts(256, 0);
    for (std::size_t i = 0; i < CountryRaster::byteCount; ++i)
        ++cellCounts[raster.data()[i]];
    // A prefix that several entities share (VP8 for the Falklands and the South Shetlands) names
    // none of them, so those keep their own English names.
    QHash<QString, int> prefixUses;
    for (const DxccTable::Entity& entity : dxcc.entities())
        ++prefixUses[entity.prefix];

    for (const DxccTable::Entity& entity : dxcc.entities()) {
        int run, cell, number = 0;
        if (CountryRasterBuilder::cellOf(QPointF(entity.longitude, entity.latitude), run, cell))
            number = raster.at(run, cell);
        const bool ownLand = number != 0 && catalogue.entries()[number - 1].prefix == entity.prefix;
        // A country of its own that is large enough is already named by its capital.
        if (ownLand && !catalogue.isPartEntry(number) && cellCounts[number] > smallTerritoryCells)
            continue;
        if (nearListed(places, entity.longitude, entity.latitude))
            continue;
        const int named = prefixUses[entity.prefix] == 1 ? catalogue.numberOfPrefix(entity.prefix) : 0;
        places.push_back({named != 0 ? catalogue.entries()[named - 1].name : entity.name, entity.latitude,
                          entity.longitude});
    }

    QString text;
    for (const Place& place : places)
        text += place.name.left(CityRecord::maxNameLength) + '\t' + QString::number(place.latitude, 'f', 4) + '\t'
            + QString::number(place.longitude, 'f', 4) + "\r\n";
    return text;
}
