// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CityRecord.h"
#include "geo/CountryRaster.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The Karten folder that the build generated, found through CORVANE_PROGRAM_DIR, with its three
// reference files read once by the program's own loaders.
class GeneratedKarten {
public:
    static const GeneratedKarten& instance();

    static QString folder();                        // ends in "/"
    static QString dataFolder();                    // the sources under data/, ends in "/"

    const CountryRaster& raster() const { return *raster_; }
    const QStringList& countryList() const { return countryList_; }
    const std::vector<CityRecord>& cities() const { return cities_; }

private:
    GeneratedKarten();

    std::unique_ptr<CountryRaster> raster_;
    QStringList countryList_;
    std::vector<CityRecord> cities_;
};
