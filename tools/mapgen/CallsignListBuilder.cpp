// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CallsignListBuilder.h"

#include "geo/CountryRaster.h"
#include "geo/GeoConstants.h"
#include "geo/GreatCircleFrom.h"
#include "tools/mapgen/CountryCatalogue.h"
#include "tools/mapgen/DxccTable.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr double landShare = 0.8;  // of an entity's land that its extent reaches

// The country number of an entity on the raster; 0 for none.
int numberOf(const DxccTable::Entity& entity, const CountryCatalogue& catalogue)
{
    return entity.ownPrefix && !entity.waeOnly ? catalogue.numberOfPrefix(entity.prefix) : 0;
}

// Per entity of the table, the distance from its centre within which landShare of the land of its
// number lies, km (cells weighted by their area, which shrinks with the cosine of the latitude);
// negative for an entity without cells. A share rather than the farthest cell, so that islands far
// away that the map counts to the country (overseas departments) do not stretch the extent.
std::vector<double> extentsKm(const DxccTable& dxcc, const CountryCatalogue& catalogue, const CountryRaster& raster)
{
    const auto& entities = dxcc.entities();
    std::vector<std::vector<std::size_t>> byNumber(CountryCatalogue::maxNumber + 1);
    std::vector<GreatCircleFrom> centres;
    centres.reserve(entities.size());
    for (std::size_t i = 0; i < entities.size(); ++i) {
        centres.emplace_back(entities[i].longitude, entities[i].latitude);
        if (const int number = numberOf(entities[i], catalogue); number > 0)
            byNumber[std::size_t(number)].push_back(i);
    }
    std::vector<std::vector<std::pair<double, double>>> cells(entities.size());  // (km, area weight)
    for (int run = 0; run < CountryRaster::runs; ++run) {
        // Cell centres, degrees: 511/180 runs per degree of longitude, 70/17 cells per degree of latitude.
        const double longitude = (run - CountryRaster::primeMeridianRun) * 180.0 / 511.0;
        for (int cell = 0; cell < CountryRaster::cellsPerRun; ++cell) {
            const int number = raster.at(run, cell);
            if (number == 0)
                continue;
            const double latitude = (cell - CountryRaster::equatorCell) * 17.0 / 70.0;
            for (std::size_t i : byNumber[std::size_t(number)])
                cells[i].emplace_back(double(centres[i].distanceTo(longitude, latitude)),
                                      std::cos(latitude * double(degToRad)));
        }
    }
    std::vector<double> extents(entities.size(), -1);
    for (std::size_t i = 0; i < entities.size(); ++i) {
        std::sort(cells[i].begin(), cells[i].end());
        double area = 0;
        for (const auto& cell : cells[i])
            area += cell.second;
        double reached = 0;
        for (const auto& [distance, weight] : cells[i]) {
            reached += weight;
            if (reached >= landShare * area) {
                extents[i] = distance;
                break;
            }
        }
    }
    return extents;
}

} // namespace

QString CallsignListBuilder::build(const DxccTable& dxcc, const CountryCatalogue& catalogue,
                                   const CountryRaster& raster)
{
    const std::vector<double> extents = extentsKm(dxcc, catalogue, raster);
    QString text;
    for (std::size_t i = 0; i < dxcc.entities().size(); ++i) {
        const DxccTable::Entity& entity = dxcc.entities()[i];
        if (entity.waeOnly)
            continue;
        const int number = numberOf(entity, catalogue);
        const QString name = number > 0 ? catalogue.entries()[std::size_t(number - 1)].name : entity.name;
        text += QStringLiteral("%1;%2;%3;%4;%5;%6;%7\r\n")
                    .arg(name, entity.prefix, QString::number(entity.latitude, 'f', 2),
                         QString::number(entity.longitude, 'f', 2), entity.aliases.join(' '))
                    .arg(entity.number)
                    .arg(extents[i] < 0 ? QString() : QString::number(std::ceil(extents[i]), 'f', 0));
    }
    return text;
}
