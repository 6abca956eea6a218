// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "startup/ReferenceDataLoader.h"
#include "base/AppError.h"
#include "geo/CountryLookup.h"
#include "support/RandomBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

namespace {

class ReferenceDataLoaderTest : public testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<CountryRaster> raster = std::make_unique<CountryRaster>();

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.path() + u'/' + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(ReferenceDataLoaderTest, RasterIsReadToItsExactSize)
{
    const int cell = 511 * 619 + 268;
    for (const auto& [size, readable] :
         {std::pair {633237, true}, {633237 + 1000, true}, {633236, false}, {0, false}}) {
        QByteArray bytes(size, '\0');
        if (size > cell)
            bytes[cell] = 5;
        const QString path = write(QStringLiteral("raster.arr"), bytes);
        raster->data()[cell] = 9;  // left from an earlier read
        if (readable) {
            ReferenceDataLoader::readCountryRaster(path, *raster);
            EXPECT_EQ(raster->at(511, 268), 5) << size;
        } else {
            EXPECT_THROW(ReferenceDataLoader::readCountryRaster(path, *raster), AppError) << size;
            EXPECT_EQ(raster->at(511, 268), 0) << "a failed read leaves the raster all zero";
        }
    }
    EXPECT_THROW(ReferenceDataLoader::readCountryRaster(dir.path() + QStringLiteral("/fehlt.arr"), *raster), AppError);
}

// How a line splits into name and prefix is the lookup's (CountryLookupTest): here, one list entry per line.
TEST_F(ReferenceDataLoaderTest, CountryListHasOneEntryPerLineInAllEndings)
{
    const QStringList list = ReferenceDataLoader::readCountryList(
        write(QStringLiteral("l.txt"), "Land;Kenner\r\nA;1\rB;2\nDeutschland;DL;DA\r\nOhne Trenner\r\nM\xFCnchen;x"));
    EXPECT_EQ(list, (QStringList {"Land;Kenner", "A;1", "B;2", "Deutschland;DL;DA", "Ohne Trenner", "München;x"}));
    EXPECT_THROW(ReferenceDataLoader::readCountryList(dir.path() + QStringLiteral("/fehlt.txt")), AppError);
}

TEST_F(ReferenceDataLoaderTest, CityLines)
{
    const std::tuple<QString, QString, double, double> cases[] = {
        {"Berlin\t52,52\t13,40", "Berlin", 52.52, 13.40},
        {"Sydney\t-33.87\t151.21\tmehr\tFelder", "Sydney", -33.87, 151.21},
        {"Ohne Tab", "Ohne Tab", 0, 0},
        {QString(), QString(), 0, 0},
        {"Nur Breite\t10", "Nur Breite", 10, 0},
        {"Kaputt\tabc\t1e1", "Kaputt", 0, 10},
        {"Unendlich\tinf\tnan", "Unendlich", 0, 0},
        {QString(60, u'n') + "\t1\t2", QString(50, u'n'), 1, 2},
    };
    for (const auto& [line, name, latitude, longitude] : cases) {
        SCOPED_TRACE(line.toStdString());
        const CityRecord city = ReferenceDataLoader::parseCityLine(line);
        EXPECT_EQ(city.name, name);
        EXPECT_DOUBLE_EQ(city.latitude, latitude);
        EXPECT_DOUBLE_EQ(city.longitude, longitude);
    }
}

TEST_F(ReferenceDataLoaderTest, CityTableHasOneRecordPerLineInFileOrder)
{
    QStringList names;
    for (const CityRecord& city : ReferenceDataLoader::readCityTable(
             write(QStringLiteral("c.txt"), "K\xF6ln\t50,94\t6,96\r\n\r\nWien\t48.21\t16.37")))
        names << city.name;
    EXPECT_EQ(names, (QStringList {"Köln", "", "Wien"}));
    EXPECT_THROW(ReferenceDataLoader::readCityTable(dir.path() + QStringLiteral("/fehlt.txt")), AppError);
}

TEST_F(ReferenceDataLoaderTest, RandomBytesNeverCrashTheLoaders)
{
    QRandomGenerator random(4711);
    const QByteArray alphabet("\t\r\n,.-+e0123456789;aZ\xE4");
    for (int round = 0; round < 200; ++round) {
        const QByteArray bytes = randomBytes(random, 2000, alphabet);
        const QString path = write(QStringLiteral("random.bin"), bytes);
        for (const CityRecord& city : ReferenceDataLoader::readCityTable(path)) {
            EXPECT_TRUE(std::isfinite(city.latitude) && std::isfinite(city.longitude));
            EXPECT_LE(city.name.size(), 50);
        }
        const QStringList list = ReferenceDataLoader::readCountryList(path);
        EXPECT_THROW(ReferenceDataLoader::readCountryRaster(path, *raster), AppError);
        QByteArray rasterBytes = bytes.repeated(633237 / (bytes.size() + 1) + 1).left(633237);
        rasterBytes.resize(633237, '\x7F');
        ReferenceDataLoader::readCountryRaster(write(QStringLiteral("random.arr"), rasterBytes), *raster);
        QString name, prefix;
        for (int i = 0; i < 50; ++i)
            CountryLookup(*raster, list)
                .lookupCountry(random.generateDouble() * 400 - 200, random.generateDouble() * 200 - 100, name, prefix);
    }
}

}  // namespace
