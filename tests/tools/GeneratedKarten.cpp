// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "GeneratedKarten.h"

#include "startup/ReferenceDataLoader.h"

GeneratedKarten::GeneratedKarten() : raster_(std::make_unique<CountryRaster>())
{
    ReferenceDataLoader::readCountryRaster(folder() + "Landeskennung.arr", *raster_);
    countryList_ = ReferenceDataLoader::readCountryList(folder() + "Laenderliste.txt");
    cities_ = ReferenceDataLoader::readCityTable(folder() + "Citys.txt");
}

const GeneratedKarten& GeneratedKarten::instance()
{
    static const GeneratedKarten karten;
    return karten;
}

// The test environment names the folders; the build's own paths stand in when a runner does not
// pass it on.
QString GeneratedKarten::folder()
{
    return qEnvironmentVariable("CORVANE_PROGRAM_DIR", CORVANE_BUILD_PROGRAM_DIR) + "/Karten/";
}

QString GeneratedKarten::dataFolder()
{
    return qEnvironmentVariable("CORVANE_SOURCE_DIR", CORVANE_BUILD_SOURCE_DIR) + "/data/";
}
