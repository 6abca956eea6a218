// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Cost of a full Mercator map redraw and of moving the inverted antenna line, on the generated
// world map shown 1200 x 600 pixels with every city and the finest locator grid, and of the full
// redraw on a whole full-HD screen for each locator grid level.

#include "startup/ReferenceDataLoader.h"
#include "mercator/LocatorGrid.h"
#include "mapfiles/DecodedBitmaps.h"
#include "mapfiles/MapCatalogue.h"
#include "mercator/MercatorPicture.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

const QString karten = QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/");
const QSize shown(1200, 600);         // pixels
const GeoPosition own{7.0417, 51.5208};  // degrees

struct World {
    MapCatalogue::Map map;
    std::vector<CityRecord> cities;
};

const World& world()
{
    static const World loaded = [] {
        DecodedBitmaps bitmaps;
        std::optional<MapCatalogue::Map> map = MapCatalogue::read(bitmaps, karten, QStringLiteral("Welt"));
        if (!map) {
            std::fprintf(stderr, "Welt.bmp/Welt.inf missing in %s: build the target karten first\n", qPrintable(karten));
            std::exit(1);
        }
        return World{std::move(*map), ReferenceDataLoader::readCityTable(karten + QStringLiteral("Citys.txt"))};
    }();
    return loaded;
}

// Every layer of a redraw of the world map: cities, a grid level, the target line and crosshair.
MapLayers worldLayers(int gridLevel)
{
    const World& w = world();
    MapLayers layers;
    layers.bitmap = &w.map.bitmap;
    layers.whole = w.map.whole;
    layers.cities = &w.cities;
    layers.gridLevel = gridLevel;
    layers.targetShown = true;
    layers.own = own;
    layers.target = {-74.0, 40.7, 292.0, 6000.0};
    layers.crosshairColour = Qt::white;
    return layers;
}

void RedrawWorldMap(benchmark::State& state)
{
    const World& w = world();
    QImage canvas(1920, 1080, QImage::Format_RGB32);  // the screen-sized surface
    const MapLayers layers = worldLayers(LocatorGrid::subsquares);
    CirclePoints directionLine;
    for (auto _ : state) {
        MercatorPicture picture(canvas, shown, w.map.whole);
        picture.paintMap(layers);
        SampleGreatCircle(45, own.longitude, own.latitude, directionLine);
        picture.invertCircle(own, directionLine);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.counters["cities"] = double(w.cities.size());
}
BENCHMARK(RedrawWorldMap)->Unit(benchmark::kMillisecond);

// The full redraw over the whole 1920 x 1080 screen, for the grid levels "kein", "grob",
// "mittel" and "fein".
void RedrawFullScreenWorldMap(benchmark::State& state)
{
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    const MapLayers layers = worldLayers(int(state.range(0)));
    for (auto _ : state) {
        MercatorPicture picture(canvas, canvas.size(), world().map.whole);
        picture.paintMap(layers);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(RedrawFullScreenWorldMap)->DenseRange(LocatorGrid::none, LocatorGrid::subsquares)->Unit(benchmark::kMillisecond);

void MoveDirectionLine(benchmark::State& state)
{
    const World& w = world();
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    MercatorPicture picture(canvas, shown, w.map.whole);
    picture.copyMapPart(w.map.bitmap, w.map.whole);
    CirclePoints drawn;
    SampleGreatCircle(0, own.longitude, own.latitude, drawn);
    picture.invertCircle(own, drawn);
    double direction = 0;
    for (auto _ : state) {
        // Erase the line on the picture, sample the next direction and draw it.
        picture.invertCircle(own, drawn);
        direction = direction >= 179 ? -179 : direction + 1;
        SampleGreatCircle(direction, own.longitude, own.latitude, drawn);
        picture.invertCircle(own, drawn);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(MoveDirectionLine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
