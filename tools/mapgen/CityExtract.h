// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <vector>

// The GeoNames city extract (cities.tsv, largest first) with German names where a German exonym
// is common (city-exonyms.csv).
class CityExtract {
public:
    struct City {
        QString name;     // German exonym or GeoNames name
        QString country;  // ISO alpha-2
        bool capital;
        long long population;
        double latitude;   // degrees north
        double longitude;  // degrees east
    };

    // Throws AppError when a table cannot be read.
    explicit CityExtract(const QString& dataDir);

    const std::vector<City>& cities() const { return cities_; }

private:
    std::vector<City> cities_;
};
