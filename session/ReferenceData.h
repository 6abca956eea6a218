// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "base/LoadedLater.h"
#include "geo/CityRecord.h"
#include "geo/CountryRaster.h"
#include "geo/CallsignTable.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The tables read from Karten/ at start.
struct ReferenceData {
    std::unique_ptr<CountryRaster> countryRaster = std::make_unique<CountryRaster>();  // all zero until read
    QStringList countryList;
    // Read after the first paint, or at its first use before (a picture showing the cities).
    LoadedLater<std::vector<CityRecord>> cityTable;
    // Empty when Karten/Rufzeichen.txt is missing; read after the start, as only a partner's
    // callsign needs it.
    LoadedLater<CallsignTable> callsignTable;

    // Country name and prefix at a position, degrees, from the country raster and list.
    void lookupCountry(double longitude, double latitude, QString& countryName, QString& prefix) const;
};
