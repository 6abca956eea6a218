// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

class CountryCatalogue;
class CountryRaster;
class DxccTable;

// Rufzeichen.txt: the DXCC entities with their centres and the prefixes and exact calls that
// belong to them, for the callsign lookup of the program.
class CallsignListBuilder {
public:
    // One line per DXCC entity (WAE-only entities left out, their calls count to the DXCC entity
    // around them): "name;prefix;latitude;longitude;aliases;dxcc;extent", degrees north and east
    // with a point, aliases blank-separated with "=" before exact calls, the DXCC entity number,
    // then the entity's extent: the distance in whole km from its centre within which four fifths
    // of the land of its country number on the raster lie (empty where it has none); CR LF. The
    // name is the country list's German one where the catalogue has the entity's own prefix, else
    // the country file's.
    static QString build(const DxccTable& dxcc, const CountryCatalogue& catalogue, const CountryRaster& raster);
};
