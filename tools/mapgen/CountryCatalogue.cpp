// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CountryCatalogue.h"

#include "base/AppError.h"
#include "tools/mapgen/CsvTable.h"

#include <QMap>

#include <algorithm>

namespace {

struct GermanName {
    QString alpha2;
    QString name;
};

int countryIndex(const WorldShapes& world, const QString& name)
{
    for (std::size_t i = 0; i < world.countries.size(); ++i)
        if (world.countries[i].name == name)
            return int(i);
    throw AppError(QStringLiteral("Unbekanntes Land in den Datentabellen: %1").arg(name));
}

} // namespace

bool CountryCatalogue::Region::contains(double longitude, double latitude) const
{
    double lon = longitude;
    while (lon < west)
        lon += 360.0;
    while (lon >= west + 360.0)
        lon -= 360.0;
    return lon <= east && latitude >= south && latitude <= north;
}

CountryCatalogue::CountryCatalogue(const WorldShapes& world, const DxccTable& dxcc, const QString& dataDir)
{
    QHash<QString, GermanName> germanNames;  // by ISO numeric code
    for (const QStringList& row : CsvTable::read(dataDir + "/country-names-de.csv", ';', 3))
        germanNames.insert(row[0], {row[1], row[2]});
    QHash<QString, Entry> fixes;  // by Natural Earth name
    for (const QStringList& row : CsvTable::read(dataDir + "/country-fixes.csv", ';', 3)) {
        countryIndex(world, row[0]);
        fixes.insert(row[0], {row[1], row[2]});
    }

    std::vector<Entry> countryEntries;
    for (const CountryShape& country : world.countries) {
        const Entry fix = fixes.value(country.name);
        Entry entry{fix.name, fix.prefix};
        if (entry.name.isEmpty())
            entry.name = germanNames.value(country.numericId).name;
        if (entry.prefix.isEmpty())
            entry.prefix = dxcc.prefixForName(country.name);
        if (entry.name.isEmpty() || entry.prefix.isEmpty())
            throw AppError(QStringLiteral("Kein deutscher Name oder Präfix für %1").arg(country.name));
        countryEntries.push_back(entry);
    }

    // Alphabetical numbering keeps the list readable and independent of the polygon order.
    QMap<QString, Entry> sorted;
    for (const Entry& entry : countryEntries)
        sorted.insert(entry.name.toLower() + ';' + entry.prefix, entry);
    for (const Entry& entry : sorted)
        entries_.push_back(entry);
    countryEntryCount_ = int(entries_.size());
    for (std::size_t i = 0; i < world.countries.size(); ++i) {
        const int number = numberOf(countryEntries[i], false);
        countryNumbers_.push_back(number);
        const QString alpha2 = germanNames.value(world.countries[i].numericId).alpha2;
        if (!alpha2.isEmpty() && !alpha2Numbers_.contains(alpha2))
            alpha2Numbers_.insert(alpha2, number);
    }

    for (const QStringList& row : CsvTable::read(dataDir + "/sub-entities.csv", ';', 8)) {
        Region region;
        region.number = numberOf({row[0], row[1]}, true);
        region.country = countryIndex(world, row[2]);
        region.wholePolygons = row[3] == QLatin1String("part");
        region.west = row[4].toDouble();
        region.south = row[5].toDouble();
        region.east = row[6].toDouble();
        region.north = row[7].toDouble();
        regions_.push_back(region);
    }
    if (int(entries_.size()) > maxNumber)
        throw AppError(QStringLiteral("%1 Länder, höchstens %2 möglich").arg(entries_.size()).arg(maxNumber));
}

int CountryCatalogue::numberOf(const Entry& entry, bool addMissing)
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].name == entry.name && entries_[i].prefix == entry.prefix)
            return int(i) + 1;
    if (!addMissing)
        throw AppError(QStringLiteral("Land %1 fehlt").arg(entry.name));
    entries_.push_back(entry);
    return int(entries_.size());
}

int CountryCatalogue::numberOfPolygon(int country, const ShapePolygon& polygon) const
{
    const QPointF centre = polygon.front().boundingRect().center();
    for (const Region& region : regions_)
        if (region.country == country && region.wholePolygons && region.contains(centre.x(), centre.y()))
            return region.number;
    return countryNumbers_[country];
}

int CountryCatalogue::numberOfPrefix(const QString& prefix) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].prefix == prefix)
            return int(i) + 1;
    return 0;
}

QString CountryCatalogue::countryListText() const
{
    QString text = QStringLiteral("Land;Präfix\r\n");
    for (const Entry& entry : entries_)
        text += entry.name + ';' + entry.prefix + "\r\n";
    return text;
}
