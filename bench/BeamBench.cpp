// Cost of building the 2500 x 2500 beam bitmap from the generated world map (on one thread and on
// every core), and of a full beam map redraw with every city, shown 600 x 600 pixels.

#include "app/ReferenceDataLoader.h"
#include "beam/BeamBitmapGenerator.h"
#include "beam/BeamPicture.h"
#include "mercator/MapCatalogue.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const QString karten = QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/");
const GeoPosition own{7.0417, 51.5208};  // degrees, JO31MM
constexpr int side = 2500;               // pixels of the beam bitmap

const MapCatalogue::Map& world()
{
    static const MapCatalogue::Map loaded = [] {
        std::optional<MapCatalogue::Map> map = MapCatalogue::read(karten, QStringLiteral("Welt"));
        if (!map) {
            std::fprintf(stderr, "Welt.bmp/Welt.inf missing in %s: build the target karten first\n", qPrintable(karten));
            std::exit(1);
        }
        return *map;
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
BENCHMARK(GenerateBeamBitmap)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

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
