// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Cost of reading the own log: a 100,000-QSO ADIF file as loggers export it, half of the QSOs
// without a DXCC field so that their calls go through the callsign table; the peak memory of
// reading a log of gigabytes from a file (run it alone, so that the peak is its own:
// --benchmark_filter=Gigabytes); and what 2,000 spots add to a map's redraw, spread over the world
// or crowded over Europe and the US east coast as on a busy FT8 band, their calls placed so that
// none overlaps.

#include "mercator/MercatorProjection.h"
#include "geo/CallsignTable.h"
#include "spots/AdifLog.h"
#include "spots/SpotFilter.h"
#include "spots/SpotLayer.h"
#include "spots/SpotService.h"

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QByteArray hundredThousandQsos()
{
    const char* calls[] = {"DL1ABC", "JA1XYZ", "VK2ABC", "K1ABC", "EA8BQM", "PY2XX", "ZS6ABC", "UA9ABC", "VE3ABC", "LU1AA"};
    QByteArray log("Exported for the benchmark\n<ADIF_VER:5>3.1.4\n<PROGRAMID:7>Corvane\n<EOH>\n");
    for (int i = 0; i < 100000; ++i) {
        const QByteArray call(calls[i % 10]);
        log += "<CALL:" + QByteArray::number(call.size()) + ">" + call + " <QSO_DATE:8>20260101 <TIME_ON:6>120000 "
               "<BAND:3>20m <MODE:3>FT8 <RST_SENT:3>-10 <RST_RCVD:3>-12 <GRIDSQUARE:4>JO31 ";
        if (i % 2)
            log += "<DXCC:3>230 ";
        log += "<COMMENT:14>tnx fer the QSO <EOR>\n";
    }
    return log;
}

void BM_ReadAdifLog100k(benchmark::State& state)
{
    const CallsignTable calls = CallsignTable::load(QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/Rufzeichen.txt"));
    const QByteArray log = hundredThousandQsos();
    for (auto _ : state) {
        const AdifLog::Worked worked = AdifLog::read(log, calls);
        benchmark::DoNotOptimize(worked.records);
    }
    state.counters["MB"] = double(log.size()) / 1e6;
}
BENCHMARK(BM_ReadAdifLog100k)->Unit(benchmark::kMillisecond);

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A log of three gigabytes written to the temporary folder, 60,000 different calls in turn, read
// from the file as the program reads the own log, and removed again.
void BM_ReadAdifLogOfGigabytes(benchmark::State& state)
{
    const CallsignTable calls = CallsignTable::load(QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/Rufzeichen.txt"));
    const char* prefixes[] = {"DL", "JA", "VK", "K", "EA8", "PY", "ZS", "UA9",
                              "VE", "LU", "W",  "G", "F",   "I",  "SP", "OH"};
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/corvane-bench-XXXXXX.adi"));
    if (!file.open()) {
        state.SkipWithError("no temporary file");
        return;
    }
    const qint64 size = qint64(3) << 30;  // bytes
    QByteArray block;
    int qso = 0;
    while (file.size() < size) {
        block.clear();
        for (int i = 0; i < 10000; ++i, ++qso) {
            const QByteArray call =
                prefixes[qso % 16] + QByteArray::number(qso / 16 % 10) + QByteArray::number(qso % 3750, 36).toUpper();
            block += "<CALL:" + QByteArray::number(call.size()) + ">" + call
                     + " <QSO_DATE:8>20260101 <TIME_ON:6>120000 <BAND:3>20m <MODE:3>FT8 <RST_SENT:3>-10 "
                       "<RST_RCVD:3>-12 <GRIDSQUARE:4>JO31 <COMMENT:24>tnx fer the nice QSO 73 <EOR>\n";
        }
        if (file.write(block) != block.size()) {
            state.SkipWithError("temporary folder full");
            return;
        }
    }
    file.flush();
    const long before = peakMemoryKb();
    AdifLog::Worked worked;
    for (auto _ : state) {
        file.seek(0);
        worked = AdifLog::read(file, calls);
    }
    state.counters["GB"] = double(file.size()) / 1e9;
    state.counters["QSOs"] = double(worked.records);
    state.counters["peakMB_before"] = double(before) / 1024;
    state.counters["peakMB"] = double(peakMemoryKb()) / 1024;
}
BENCHMARK(BM_ReadAdifLogOfGigabytes)->Unit(benchmark::kSecond)->Iterations(1);

// What 2,000 spots add to a full-screen redraw of the world map: the layer drawn over a picture.
void BM_DrawTwoThousandSpots(benchmark::State& state)
{
    const CallsignTable calls = CallsignTable::load(QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/Rufzeichen.txt"));
    const qint64 now = 1796904000;
    SpotService service([&calls]() -> const CallsignTable& { return calls; }, [now] { return now; });
    QRandomGenerator random(5);
    for (int i = 0; i < 2000; ++i) {
        const QString grid = QStringLiteral("%1%2%3%4")
                                 .arg(QChar('A' + random.bounded(18)), QChar('A' + random.bounded(18)))
                                 .arg(random.bounded(10))
                                 .arg(random.bounded(10));
        ClusterLine line;
        line.call = QStringLiteral("K%1AB").arg(i);
        line.grid = grid;
        line.minuteOfDay = int(now % 86400 / 60) - random.bounded(14);
        service.takeClusterSpot(line, QStringLiteral("dxc.example"));
    }
    const SpotLayer layer(service);
    MapView world;
    world.left = -180, world.right = 180, world.top = 90, world.bottom = -90;
    const MercatorProjection projection(world, {1920, 1080});
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    for (auto _ : state) {
        QPainter painter(&picture);
        layer.draw(painter, projection);
    }
}
BENCHMARK(BM_DrawTwoThousandSpots)->Unit(benchmark::kMillisecond);

// 2,000 stations decoded on 20 m, two of three over Europe and the rest over the US east coast,
// each at the centre of its grid square as FT8 gives it, drawn over the world map shown 1200 x 600
// pixels (the Mercator window) and over a full-HD screen, on a screen of ratio 1 and of ratio 2:
// most calls find no free side.
void BM_DrawTwoThousandSpotsInClumps(benchmark::State& state)
{
    const CallsignTable calls = CallsignTable::load(QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/Rufzeichen.txt"));
    const qint64 now = 1796904000;
    SpotService service([&calls]() -> const CallsignTable& { return calls; }, [now] { return now; });
    service.takeTuning(QStringLiteral("WSJT-X"), 14074);
    const char* europe[] = {"DL", "F",  "G",  "I",  "SP", "OK", "PA", "ON",
                            "EA", "OH", "SM", "LA", "HA", "YO", "UR", "S5"};
    const char* eastCoast[] = {"K", "W", "N", "AA"};
    QRandomGenerator random(11);
    for (int i = 0; i < 2000; ++i) {
        const bool inEurope = i % 3 != 0;
        // Degrees: Europe from 10 W to 30 E and 36 to 60 N, the coast from 85 to 70 W and 33 to 45 N.
        const double longitude = inEurope ? -10 + random.bounded(40.0) : -85 + random.bounded(15.0);
        const double latitude = inEurope ? 36 + random.bounded(24.0) : 33 + random.bounded(12.0);
        const int field = int((longitude + 180) / 20), square = int((longitude + 180) / 2) % 10;
        const QString grid = QStringLiteral("%1%2%3%4")
                                 .arg(QChar('A' + field), QChar('A' + int((latitude + 90) / 10)))
                                 .arg(square)
                                 .arg(int(latitude + 90) % 10);
        const QString call = QLatin1String(inEurope ? europe[i % 16] : eastCoast[i % 4]) + QString::number(i % 10) +
            QChar('A' + i / 676) + QChar('A' + i / 26 % 26) + QChar('A' + i % 26);
        service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ %1 %2").arg(call, grid));
    }
    if (service.spots().markers().size() != 2000u) {
        state.SkipWithError("not every decode became a marker");
        return;
    }
    const SpotLayer layer(service, {}, [] { return SpotFilter(QStringLiteral("20m"), 15); });
    MapView world;
    world.left = -180, world.right = 180, world.top = 90, world.bottom = -90;
    const QSize size = state.range(0) == 1200 ? QSize(1200, 600) : QSize(1920, 1080);  // pixels
    const MercatorProjection projection(world, size);
    const int ratio = int(state.range(1));  // device pixels per pixel
    QImage picture(size * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::darkBlue);
    for (auto _ : state) {
        QPainter painter(&picture);
        layer.draw(painter, projection);
    }
}
BENCHMARK(BM_DrawTwoThousandSpotsInClumps)
    ->Args({1200, 1})
    ->Args({1920, 1})
    ->Args({1200, 2})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);  // the calls' text needs the fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
