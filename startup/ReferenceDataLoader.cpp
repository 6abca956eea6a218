// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "startup/ReferenceDataLoader.h"

#include "base/AppError.h"
#include "base/FileErrorText.h"
#include "text/TextLines.h"
#include "text/Windows1252.h"

#include <QCoreApplication>
#include <QFile>

#include <cmath>

namespace {

void openForReading(QFile& file)
{
    if (!file.exists())
        throw AppError(
            QCoreApplication::translate("ReferenceDataLoader", "Datei nicht gefunden: %1").arg(file.fileName()));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QCoreApplication::translate("ReferenceDataLoader", "Datei %1 kann nicht gelesen werden: %2")
                           .arg(file.fileName(), FileErrorText::of(file, FileErrorText::Access::reading)));
}

// A field that is not a finite number as a whole reads as 0, as a parse error is not reported.
double coordinateField(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

} // namespace

void ReferenceDataLoader::readCountryRaster(const QString& path, CountryRaster& raster)
{
    raster.clear();
    QFile file(path);
    openForReading(file);
    const qint64 got = file.read(reinterpret_cast<char*>(raster.data()), qint64(CountryRaster::byteCount));
    if (got != qint64(CountryRaster::byteCount)) {
        raster.clear();
        throw AppError(
            QCoreApplication::translate("ReferenceDataLoader", "Lesefehler in %1: die Datei ist kürzer als %2 Bytes")
                .arg(path)
                .arg(CountryRaster::byteCount));
    }
}

void ReferenceDataLoader::requireReadable(const QString& path)
{
    QFile file(path);
    openForReading(file);
}

QStringList ReferenceDataLoader::readTextLines(const QString& path)
{
    QFile file(path);
    openForReading(file);
    return TextLines::split(Windows1252::decode(file.readAll()));
}

QStringList ReferenceDataLoader::readCountryList(const QString& path)
{
    return readTextLines(path);
}

CityRecord ReferenceDataLoader::parseCityLine(const QString& line)
{
    // Splitting line + TAB gives at least two fields, so missing coordinates read as empty.
    const QStringList fields = (line + u'\t').split(u'\t');
    CityRecord city;
    city.name = fields[0].left(CityRecord::maxNameLength);
    if (fields.size() > 1)
        city.latitude = coordinateField(QString(fields[1]).replace(u',', u'.'));
    if (fields.size() > 2)
        city.longitude = coordinateField(QString(fields[2]).replace(u',', u'.'));
    return city;
}

std::vector<CityRecord> ReferenceDataLoader::readCityTable(const QString& path)
{
    const QStringList lines = readTextLines(path);
    std::vector<CityRecord> cities;
    cities.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        cities.push_back(parseCityLine(line));
    return cities;
}
