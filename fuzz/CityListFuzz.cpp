// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The city list. Properties: one city per line, names of at most 50 characters, coordinates
// finite; the nearest city to a point is one of the table at a distance on the globe.
#include "FuzzCheck.h"
#include "FuzzFolder.h"

#include "startup/ReferenceDataLoader.h"
#include "geo/NearestCity.h"
#include "text/TextLines.h"
#include "text/Windows1252.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const std::vector<CityRecord> cities =
        ReferenceDataLoader::readCityTable(FuzzFolder::instance().write(QStringLiteral("Citys.txt"), bytes));
    FUZZ_CHECK(cities.size() == size_t(TextLines::split(Windows1252::decode(bytes)).size()));
    for (const CityRecord& city : cities) {
        FUZZ_CHECK(city.name.size() <= CityRecord::maxNameLength);
        FUZZ_CHECK(std::isfinite(city.latitude) && std::isfinite(city.longitude));
    }
    const auto nearest = findNearestCity(cities, 52.52, 13.40);
    FUZZ_CHECK(nearest.has_value() == !cities.empty());
    if (nearest) {
        FUZZ_CHECK(nearest->index >= 0 && size_t(nearest->index) < cities.size());
        FUZZ_CHECK(nearest->distanceKm >= 0 && nearest->distanceKm <= 20038);  // half the equator, km
    }
    return 0;
}
