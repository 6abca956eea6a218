// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// corvane_mapgen <data folder> <Karten folder>: writes the maps with their calibration files, the
// country raster, the country list, the city list and the callsign list from the sources under
// data/. The output depends on nothing but the sources, so every build writes the same bytes.

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "text/Windows1252.h"
#include "tools/mapgen/CallsignListBuilder.h"
#include "tools/mapgen/CityExtract.h"
#include "tools/mapgen/CityListBuilder.h"
#include "tools/mapgen/CountryCatalogue.h"
#include "tools/mapgen/CountryRasterBuilder.h"
#include "tools/mapgen/DxccTable.h"
#include "tools/mapgen/MapRenderer.h"
#include "tools/mapgen/TopoJsonReader.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The world at 0.1 degree per pixel and regional maps at finer scales; whole-degree corners so
// the calibration files read back to exactly these edges.
const MapSheet sheets[] = {
    {"Welt", 90, -90, -180, 180, {3600, 1800}},
    {"Europa", 72, 34, -25, 45, {1400, 760}},          // 20 pixels per degree
    {"Mitteleuropa", 56, 44, 0, 24, {1200, 600}},      // 50 pixels per degree
    {"Nordamerika", 75, 10, -170, -50, {1200, 650}},   // 10 pixels per degree
    {"Suedamerika", 15, -60, -95, -30, {780, 900}},    // 12 pixels per degree
    {"Afrika", 40, -40, -25, 60, {850, 800}},          // 10 pixels per degree
    {"Asien", 80, -5, 25, 180, {1240, 680}},           // 8 pixels per degree
    {"Ozeanien", 10, -50, 100, 180, {960, 720}},       // 12 pixels per degree
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    FileReplacement::write(path, bytes, QStringLiteral("Datei %1"));
}

QByteArray bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw AppError(QStringLiteral("BMP-Ausgabe fehlgeschlagen"));
    return bytes;
}

void generate(const QString& dataDir, const QString& outDir)
{
    const WorldShapes world = TopoJsonReader::read(dataDir + "/countries-50m.json");
    const DxccTable dxcc(dataDir + "/cty.csv");
    const CountryCatalogue catalogue(world, dxcc, dataDir);
    const CityExtract cities(dataDir);

    std::vector<CountryRasterBuilder::Capital> capitals;
    for (const CityExtract::City& city : cities.cities())
        if (city.capital)
            capitals.push_back({QPointF(city.longitude, city.latitude), catalogue.numberOfAlpha2(city.country)});
    auto raster = std::make_unique<CountryRaster>();
    CountryRasterBuilder(world, catalogue).build(capitals, *raster);

    writeFile(outDir + "/Landeskennung.arr",
              QByteArray(reinterpret_cast<const char*>(raster->data()), int(CountryRaster::byteCount)));
    writeFile(outDir + "/Laenderliste.txt", Windows1252::encode(catalogue.countryListText()));
    writeFile(outDir + "/Citys.txt", Windows1252::encode(CityListBuilder::build(cities, dxcc, catalogue, *raster)));
    writeFile(outDir + "/Rufzeichen.txt", Windows1252::encode(CallsignListBuilder::build(dxcc, catalogue, *raster)));

    const MapRenderer renderer(world);
    for (const MapSheet& sheet : sheets) {
        writeFile(outDir + '/' + sheet.name() + ".bmp", bmpBytes(renderer.render(sheet)));
        writeFile(outDir + '/' + sheet.name() + ".inf", sheet.calibrationText().toLatin1());
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Painting needs a GUI application but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvane_mapgen <data folder> <Karten folder>\n");
        return 2;
    }
    try {
        generate(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const AppError& error) {
        std::fprintf(stderr, "corvane_mapgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
