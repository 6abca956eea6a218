// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "session/ReferenceData.h"

#include "geo/CountryLookup.h"

void ReferenceData::lookupCountry(double longitude, double latitude, QString& countryName, QString& prefix) const
{
    CountryLookup(*countryRaster, countryList).lookupCountry(longitude, latitude, countryName, prefix);
}
