// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CityExtract.h"

#include "tools/mapgen/CsvTable.h"

#include <QHash>

namespace {

enum Column { nameColumn, countryColumn, featureColumn, populationColumn, latitudeColumn, longitudeColumn, columnCount };

} // namespace

CityExtract::CityExtract(const QString& dataDir)
{
    QHash<QString, QString> exonyms;  // by "name;country"
    for (const QStringList& row : CsvTable::read(dataDir + "/city-exonyms.csv", ';', 3))
        exonyms.insert(row[0] + ';' + row[1], row[2]);

    for (const QStringList& row : CsvTable::read(dataDir + "/cities.tsv", '\t', columnCount)) {
        const QString name = row[nameColumn];
        cities_.push_back({exonyms.value(name + ';' + row[countryColumn], name), row[countryColumn],
                           row[featureColumn] == QLatin1String("PPLC"), row[populationColumn].toLongLong(),
                           row[latitudeColumn].toDouble(), row[longitudeColumn].toDouble()});
    }
}
