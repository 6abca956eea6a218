// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CountryLookup.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(CountryLookup, RasterCellsEdgesLineSplittingAndAnEmptyList)
{
    auto raster = std::make_unique<CountryRaster>();
    const QStringList list{"Kopf",  "Deutschland;DL", "Frankreich;F", "Kein Trenner", "Tonga;A3;x",
                           "Null;", ";Nur Prefix",    "Lang;" + QString(300, 'P')};
    const struct { int run, cell, country; } bytes[] = {
        {511, 268, 5},  // 0, 0
        {511, 618, 1},  // latitude 85.0, last cell
        {511, 0, 2},    // latitude -65.0857, first cell
        {0, 268, 3},    // longitude -180
        {1022, 268, 4}, // longitude +180
        {512, 268, 6},  // 0.352250 degrees east
        {511, 269, 7},  // 0.242857 degrees north
        {511, 267, 9},  // a number without a line
    };
    for (const auto& b : bytes)
        raster->data()[std::size_t(b.run) * CountryRaster::cellsPerRun + b.cell] = std::uint8_t(b.country);
    const CountryLookup lookup(*raster, list);
    const struct { double longitude, latitude; const char* name; QString prefix; } cases[] = {
        {0, 0, "Null", ""}, {0, 85.0, "Deutschland", "DL"}, {0, 85.2, "", ""}, {0, -65.0, "Frankreich", "F"},
        {0, -65.3, "", ""}, {-180, 0, "", "Kein Trenner"}, {180, 0, "Tonga", "A3;x"}, {180.2, 0, "", ""},
        {-180.2, 0, "", ""}, {0.2, 0, "", "Nur Prefix"}, {0.17, 0, "Null", ""}, {0, 0.15, "Lang", QString(200, 'P')},
        {0, 0.12, "Null", ""}, {0, -0.15, "", ""}, {10, 10, "", ""}, {qQNaN(), 0, "", ""},
    };
    for (const auto& c : cases) {
        QString name = "stale", prefix = "stale";
        lookup.lookupCountry(c.longitude, c.latitude, name, prefix);
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.longitude << " " << c.latitude;
        EXPECT_EQ(prefix, c.prefix) << c.longitude << " " << c.latitude;
    }
    // An empty list names nothing, even for a numbered cell.
    const QStringList empty;
    QString name = "stale", prefix = "stale";
    CountryLookup(*raster, empty).lookupCountry(0, 0, name, prefix);
    EXPECT_TRUE(name.isEmpty() && prefix.isEmpty());
}

} // namespace
