// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "GeneratedKarten.h"

#include "mapfiles/MapCalibration.h"
#include "geo/CallsignTable.h"
#include "spots/ClusterLine.h"
#include "spots/SpotPlacer.h"
#include "tools/mapgen/CsvTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every line ends in CR LF, the last one included.
bool hasCrLfLines(const QByteArray& bytes)
{
    if (!bytes.endsWith("\r\n"))
        return false;
    for (int i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    return true;
}

struct MapCorners {
    const char* name;
    long double top, bottom, left, right;  // degrees
    int width, height;                     // pixels
};

const MapCorners maps[] = {
    {"Welt", 90, -90, -180, 180, 3600, 1800},
    {"Europa", 72, 34, -25, 45, 1400, 760},
    {"Mitteleuropa", 56, 44, 0, 24, 1200, 600},
    {"Nordamerika", 75, 10, -170, -50, 1200, 650},
    {"Suedamerika", 15, -60, -95, -30, 780, 900},
    {"Afrika", 40, -40, -25, 60, 850, 800},
    {"Asien", 80, -5, 25, 180, 1240, 680},
    {"Ozeanien", 10, -50, 100, 180, 960, 720},
};

// Each map's calibration reads back to the rendered corners, and its bitmap is a 24-bit BMP of
// the intended size; there is no calibration file of another map.
TEST(KartenFilesTest, EveryMapIsCalibratedAndOfItsSize)
{
    EXPECT_EQ(QDir(GeneratedKarten::folder()).entryList({"*.inf"}).size(), int(std::size(maps)));
    for (const MapCorners& m : maps) {
        const MapView view = MapCalibration::readFile(GeneratedKarten::folder() + m.name + ".inf");
        EXPECT_EQ(std::tie(view.top, view.bottom, view.left, view.right), std::tie(m.top, m.bottom, m.left, m.right))
            << m.name;
        const QByteArray bytes = fileBytes(GeneratedKarten::folder() + m.name + ".bmp");
        ASSERT_GT(bytes.size(), 54) << m.name;
        EXPECT_TRUE(bytes.startsWith("BM")) << m.name;
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24) << m.name;  // bits per pixel
        EXPECT_EQ(QImage::fromData(bytes, "BMP").size(), QSize(m.width, m.height)) << m.name;
    }
}

TEST(KartenFilesTest, CountryListHasOneUniqueNameAndPrefixPerNumber)
{
    EXPECT_TRUE(hasCrLfLines(fileBytes(GeneratedKarten::folder() + "Laenderliste.txt")));
    const QStringList& list = GeneratedKarten::instance().countryList();
    ASSERT_GE(list.size(), 200);
    EXPECT_LE(list.size(), 256);
    std::set<QString> seen;
    for (int n = 1; n < list.size(); ++n) {
        const QStringList parts = list[n].split(';');
        ASSERT_EQ(parts.size(), 2) << n;
        EXPECT_FALSE(parts[0].isEmpty()) << n;
        EXPECT_FALSE(parts[1].isEmpty()) << n;
        EXPECT_FALSE(list[n].contains('?')) << list[n].toStdString();
        EXPECT_TRUE(seen.insert(list[n]).second) << list[n].toStdString();
    }
}

TEST(KartenFilesTest, RasterHasTheFixedSizeAndEveryCountryOnIt)
{
    EXPECT_EQ(QFileInfo(GeneratedKarten::folder() + "Landeskennung.arr").size(), qint64(CountryRaster::byteCount));
    const GeneratedKarten& karten = GeneratedKarten::instance();
    std::vector<int> cells(256, 0);
    for (std::size_t i = 0; i < CountryRaster::byteCount; ++i)
        ++cells[karten.raster().data()[i]];
    for (int n = 1; n < 256; ++n) {
        if (n < karten.countryList().size())
            EXPECT_GT(cells[n], 0) << karten.countryList()[n].toStdString() << " has no cell";
        else
            EXPECT_EQ(cells[n], 0) << "number " << n << " has no line";
    }
}

TEST(KartenFilesTest, CityListLinesAreNamedPositions)
{
    EXPECT_TRUE(hasCrLfLines(fileBytes(GeneratedKarten::folder() + "Citys.txt")));
    const std::vector<CityRecord>& cities = GeneratedKarten::instance().cities();
    ASSERT_GT(cities.size(), 900u);
    for (const CityRecord& city : cities) {
        EXPECT_FALSE(city.name.isEmpty());
        EXPECT_FALSE(city.name.contains('?')) << city.name.toStdString();
        EXPECT_LE(std::abs(city.latitude), 90.0) << city.name.toStdString();
        EXPECT_LE(std::abs(city.longitude), 180.0) << city.name.toStdString();
        EXPECT_FALSE(city.latitude == 0.0 && city.longitude == 0.0) << city.name.toStdString();
    }
}

TEST(KartenFilesTest, EveryCapitalIsInTheCityList)
{
    const std::vector<CityRecord>& cities = GeneratedKarten::instance().cities();
    int capitals = 0;
    for (const QStringList& row : CsvTable::read(GeneratedKarten::dataFolder() + "cities.tsv", '\t', 6)) {
        if (row[2] != "PPLC")
            continue;
        ++capitals;
        const double latitude = row[4].toDouble(), longitude = row[5].toDouble();
        const bool listed = std::any_of(cities.begin(), cities.end(), [&](const CityRecord& c) {
            return std::abs(c.latitude - latitude) < 1e-4 && std::abs(c.longitude - longitude) < 1e-4;
        });
        EXPECT_TRUE(listed) << row[0].toStdString();
    }
    EXPECT_GE(capitals, 200);
}

// The callsign list from the whole country file: German names where the country list has the
// entity, exact calls, the longest prefix, and WAE-only entities counted to their DXCC entity.
TEST(KartenFilesTest, CallsignListFindsTheEntitiesOfRealCalls)
{
    const CallsignTable calls = CallsignTable::load(GeneratedKarten::folder() + QStringLiteral("Rufzeichen.txt"));
    const std::pair<const char*, const char*> cases[] = {
        {"VK2ABC", "Australien"}, {"EA8", "Kanarische Inseln"}, {"KH6XYZ", "Hawaii"}, {"EA8/DL1ABC", "Kanarische Inseln"},
        {"DL1ABC", "Deutschland"}, {"VK9MAV", "Australien"}, {"IT9ABC", "Italien"}, {"GM3ABC", "Scotland"},
        {"3D2CR", "Conway Reef"}};
    for (const auto& [call, entity] : cases) {
        const auto found = calls.lookup(QString::fromLatin1(call));
        ASSERT_TRUE(found) << call;
        EXPECT_EQ(found->name, QString::fromUtf8(entity)) << call;
    }
}

// Each entity's extent reaches most of its land, and France's is not stretched to the overseas
// departments the map counts to it, so that a spot's square can be held against the call: the
// six-metre line from Poland places K1ABC in the United States.
TEST(KartenFilesTest, EntityExtentsPlaceCommentSquaresOnlyNearTheirEntity)
{
    const CallsignTable calls = CallsignTable::load(GeneratedKarten::folder() + QStringLiteral("Rufzeichen.txt"));
    const struct { const char* call; double leastKm, mostKm; } extents[] = {
        {"K1ABC", 1500, 2500}, {"DL1ABC", 250, 500}, {"VK2ABC", 1300, 2200}, {"KH6XYZ", 200, 500},
        {"EA8BQM", 100, 350},  {"F5ABC", 350, 700},  {"3A2MW", 0, 20},
    };
    for (const auto& e : extents) {
        SCOPED_TRACE(e.call);
        const auto entity = calls.lookup(QString::fromLatin1(e.call));
        ASSERT_TRUE(entity);
        EXPECT_GE(entity->extentKm, e.leastKm);
        EXPECT_LE(entity->extentKm, e.mostKm);
    }
    const SpotPlacer placer(calls);
    const struct { const char* line; const char* country; const char* grid; } spots[] = {
        {"DX de SP9XYZ:    50313.0  K1ABC        JO90KE<ES>FN42HN            0304Z", "Vereinigte Staaten", "FN42HN"},
        {"DX de SP9XYZ:    50313.0  K1ABC        hrd in JO90KE               0304Z", "Vereinigte Staaten", ""},
        {"DX de W3LPL:     14025.0  DL1ABC       CW 599 JO62                 1234Z", "Deutschland", "JO62"},
        {"DX de W3LPL:     14025.0  DL1ABC       CW 599 FN20                 1234Z", "Deutschland", ""},
        {"DX de DL1ABC:     7074.0  VK6ABC       FT8 OF78                    0005Z", "Australien", "OF78"},
    };
    for (const auto& s : spots) {
        SCOPED_TRACE(s.line);
        const auto line = ClusterLine::parse(s.line);
        ASSERT_TRUE(line);
        const auto spot = placer.place(line->call, line->grid, SpotPlacer::Square::FromComment);
        ASSERT_TRUE(spot);
        EXPECT_EQ(spot->country, QString::fromUtf8(s.country));
        EXPECT_EQ(spot->grid, QLatin1String(s.grid));
    }
}

TEST(KartenFilesTest, GeneratorWritesTheSameBytesAgainWithinThirtySeconds)
{
    QTemporaryDir out;
    QElapsedTimer timer;
    timer.start();
    const int exitCode = QProcess::execute(CORVANE_MAPGEN_PATH, {GeneratedKarten::dataFolder(), out.path()});
    EXPECT_LT(timer.elapsed(), 30000);
    ASSERT_EQ(exitCode, 0);
    const QStringList files = QDir(out.path()).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 4 + 2 * int(std::size(maps)));  // raster, country, city and callsign lists, maps
    for (const QString& file : files)
        EXPECT_TRUE(fileBytes(out.path() + '/' + file) == fileBytes(GeneratedKarten::folder() + file)) << file.toStdString();
}

} // namespace
