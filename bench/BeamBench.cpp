// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Cost of building the 2500 x 2500 beam bitmap from the generated world map (on one and on two
// threads), whether it matches the extended-precision evaluation pixel for pixel at the stations
// most likely to differ, and the cost of a full beam map redraw with every city, shown 600 x 600
// pixels.

#include "startup/ReferenceDataLoader.h"
#include "beam/BeamBitmapGenerator.h"
#include "beam/BeamMapCache.h"
#include "beam/BeamPicture.h"
#include "mapfiles/DecodedBitmaps.h"
#include "mapfiles/MapCatalogue.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace {

const QString karten = QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/");
const GeoPosition own{7.0417, 51.5208};  // degrees, JO31MM
constexpr int side = 2500;               // pixels of the beam bitmap

const MapCatalogue::Map& world()
{
    static const MapCatalogue::Map loaded = [] {
        DecodedBitmaps bitmaps;
        std::optional<MapCatalogue::Map> map = MapCatalogue::read(bitmaps, karten, QStringLiteral("Welt"));
        if (!map) {
            std::fprintf(stderr, "Welt.bmp/Welt.inf missing in %s: build the target karten first\n", qPrintable(karten));
            std::exit(1);
        }
        return std::move(*map);
    }();
    return loaded;
}

// The whole bitmap in runs of 100 rows, as the window builds it, then the rim and the outside.
void GenerateBeamBitmap(benchmark::State& state)
{
    const BeamBitmapGenerator generator(own, world().bitmap, world().whole, qRgb(255, 255, 255), side);
    const int threads = state.range(0) == 0 ? BeamBitmapGenerator::availableThreads() : int(state.range(0));
    for (auto _ : state) {
        QImage bitmap(side, side, QImage::Format_RGB32);
        for (int row = 0; row < side; row += 100) {
            const QImage part = generator.rows(row, std::min(100, side - row), threads);
            std::copy(part.constBits(), part.constBits() + part.sizeInBytes(), bitmap.scanLine(row));
        }
        BeamBitmapGenerator::finish(bitmap, qRgb(240, 240, 240));
        benchmark::DoNotOptimize(bitmap.constBits());
    }
    state.counters["threads"] = threads;
}
BENCHMARK(GenerateBeamBitmap)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The finished picture (disc, rim and outside) as a click builds it, world map and all, at
// several sides: with the picture's memory of the last build used again, as the window does, and
// (second argument 0) in fresh memory each time, as a first build meets it.
void BuildBeamMap(benchmark::State& state)
{
    const int pictureSide = int(state.range(0));
    const bool reused = state.range(1) == 1;
    QImage picture;
    DecodedBitmaps bitmaps;  // the world map decoded once, as in the program
    for (auto _ : state) {
        if (!reused)
            picture = QImage();
        BeamMapCache::build(picture, bitmaps, karten, own, qRgb(255, 255, 255), qRgb(240, 240, 240), pictureSide);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["side"] = pictureSide;
}
BENCHMARK(BuildBeamMap)
    ->ArgsProduct({{2500, 3500, 5000}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);

// Own stations: both poles, the meridians at 0 and 180, latitudes whose pixels meet the polar
// limits or a row's edge exactly.
const GeoPosition stations[] = {
    {0, 90}, {0, -90}, {0, 0}, {-179.95, 10}, {180, 0}, {151.21, -33.87}, {7.05, 45.05},
    {0, -64.5}, {179, 84.5}, {7.0417, 51.5208}, {-100, 40}, {-45, 89.999},
};

// Pixels of the fast rows that differ from the extended-precision evaluation (computed on two
// threads here, it takes seconds), at full size; reported as the counter "differing".
void FastRowsMatchReference(benchmark::State& state)
{
    const GeoPosition station = stations[state.range(0)];
    const BeamBitmapGenerator generator(station, world().bitmap, world().whole, qRgb(255, 255, 255), side);
    QImage fast;
    for (auto _ : state)
        fast = generator.rows(0, side, 2);
    QImage reference(side, side, QImage::Format_RGB32);
    reference.fill(Qt::white);
    const auto evaluate = [&](int firstRow) {
        for (int y = firstRow; y < side; y += 2)
            for (int x = 0; x < side; ++x)
                generator.colourAt(x, y, reinterpret_cast<QRgb*>(reference.scanLine(y))[x]);
    };
    reference.bits();  // detached before the threads write into it
    std::thread other(evaluate, 1);
    evaluate(0);
    other.join();
    int differing = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            differing += fast.pixel(x, y) != reference.pixel(x, y);
    state.counters["differing"] = differing;
    state.counters["latitude"] = station.latitude;
    state.counters["longitude"] = station.longitude;
}
BENCHMARK(FastRowsMatchReference)->DenseRange(0, std::size(stations) - 1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void RedrawBeamMap(benchmark::State& state)
{
    const BeamBitmapGenerator generator(own, world().bitmap, world().whole, qRgb(255, 255, 255), side);
    const QImage bitmap = generator.rows(0, side, BeamBitmapGenerator::availableThreads());
    const std::vector<CityRecord> cities = ReferenceDataLoader::readCityTable(karten + QStringLiteral("Citys.txt"));
    QImage canvas(1920, 1080, QImage::Format_RGB32);  // the screen-sized surface
    BeamLayers layers;
    layers.cities = &cities;
    layers.own = own;
    for (auto _ : state) {
        BeamPicture picture(canvas, 600, bitmap, int(state.range(0)));
        picture.paint(layers);
        picture.drawTargetPath(292, 6000, Qt::white);
        picture.invertAntennaLine(45);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.counters["cities"] = double(cities.size());
}
BENCHMARK(RedrawBeamMap)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
