// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Costs of the running program, with real windows on the offscreen platform over a program folder
// with the generated maps: the mouse read-out on both maps per mouse move, cursor panel included,
// also while a DX cluster floods the program, and the start, from creating the windows to the
// first paint of the map shown.

#include "BuiltMaps.h"
#include "FloodingCluster.h"
#include "readout/CursorPanel.h"
#include "app/Program.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "spots/SpotService.h"
#include "widgets/ImageWidget.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// A program folder with the built maps and a settings file of an own station at JO31MM, with more
// settings lines and grown by that many bytes of other keys.
class Folder {
public:
    explicit Folder(bool beamShown, qsizetype extraSettingsBytes = 0, const QByteArray& moreSettings = {})
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/config")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
        copyBuiltMaps(path());
        QFile ini(path() + QStringLiteral("Corvane.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write(QByteArray("[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n[Parameter]\r\nMausAnzeige_EIN_AUS=0\r\n"
                             "[Main]\r\nMercatorkarte=")
                  + (beamShown ? "0" : "1") + "\r\n" + moreSettings);
        for (qsizetype written = 0, key = 0; written < extraSettingsBytes; ++key) {
            const QByteArray line = "[Notiz" + QByteArray::number(key / 50) + "]\r\nEintrag" + QByteArray::number(key) +
                "=" + QByteArray(60, 'x') + "\r\n";
            written += ini.write(line);
        }
    }

    QString path() const { return dir_.path() + u'/'; }

private:
    QTemporaryDir dir_;
};

// One run of the program over a folder, its main window shown.
class Run {
public:
    explicit Run(const Folder& folder) : program_(folder.path())
    {
        program_.createWindows();
        program_.mainWindow()->show();
    }
    ~Run()
    {
        program_.destroyWindows();
    }

    TFormA* mainWindow() const { return program_.mainWindow(); }
    TForm1* mercatorWindow() const { return program_.mercatorWindow(); }
    TForm10* beamWindow() const { return program_.beamWindow(); }
    SpotService* spots() const { return program_.spots(); }

private:
    Program program_;
};

// Mouse moves over the image in small steps along a circle around its centre, as a hand moves.
// Timed by hand: the paints they cause run untimed between two moves, as the event loop runs them.
void moveOver(benchmark::State& state, const Run& run, ImageWidget* image)
{
    const QPointF centre(image->width() / 2.0, image->height() / 2.0);
    const double radius = image->height() / 3.0;  // pixels
    int step = 0;
    for (auto _ : state) {
        const double angle = ++step * 0.01;  // radians
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        const auto started = std::chrono::steady_clock::now();
        QApplication::sendEvent(image, &move);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        QApplication::processEvents();
    }
    if (run.mainWindow()->cursorPanel().isHidden())
        state.SkipWithError("the cursor panel was not shown");
}

void BeamMouseMove(benchmark::State& state)
{
    const Folder folder(true);
    const Run run(folder);
    run.beamWindow()->Beamkarte1Click();  // builds the cache for the station
    run.mainWindow()->setClientSize(800, 800);
    QApplication::processEvents();
    moveOver(state, run, run.beamWindow()->image());
}
BENCHMARK(BeamMouseMove)->Unit(benchmark::kMicrosecond)->UseManualTime();

void MercatorMouseMove(benchmark::State& state)
{
    const Folder folder(false);
    const Run run(folder);
    QApplication::processEvents();
    moveOver(state, run, run.mercatorWindow()->image());
}
BENCHMARK(MercatorMouseMove)->Unit(benchmark::kMicrosecond)->UseManualTime();

// The settings that link the program to the stand-in cluster.
QByteArray clusterSettings(FloodingCluster& cluster)
{
    return "[DX-Cluster]\r\nHost=127.0.0.1\r\nPort=" + QByteArray::number(cluster.port()) + "\r\nRufzeichen=DL1TST\r\n";
}

// The program's loop runs for that many seconds while the spots come in.
void letFlood(qint64 seconds)
{
    for (QDeadlineTimer flood(seconds * 1000); !flood.hasExpired();)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// MercatorMouseMove while a stand-in cluster sends 1,000 spot lines a second; the spots are read
// and the map redrawn between the moves, untimed. range(0): distinct calls in the flood.
void MercatorMouseMoveDuringClusterFloodBackToBack(benchmark::State& state)
{
    FloodingCluster cluster(1000, int(state.range(0)));
    const Folder folder(false, 0, clusterSettings(cluster));
    const Run run(folder);
    letFlood(2);
    moveOver(state, run, run.mercatorWindow()->image());
    state.counters["lines_sent"] = double(cluster.linesSent());
    state.counters["markers"] = double(run.spots()->spots().markers().size());
}
BENCHMARK(MercatorMouseMoveDuringClusterFloodBackToBack)->Arg(2000)->Arg(0)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Notes when a mouse move posted to a map has been read out: the filter hands the move on to the
// map itself, so the time after that is the end of the read-out.
class MoveClock : public QObject {
public:
    std::chrono::steady_clock::time_point arrived, done;
    bool readOut = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseMove || handingOn_)
            return false;
        arrived = std::chrono::steady_clock::now();
        handingOn_ = true;
        QApplication::sendEvent(watched, event);
        handingOn_ = false;
        done = std::chrono::steady_clock::now();
        readOut = true;
        return true;
    }

private:
    bool handingOn_ = false;
};

// The mouse read-out on a full-screen Mercator map while a stand-in cluster floods it with spot
// lines. A hand's mouse moves, one every 10 ms, are posted to the event loop as
// real ones are. The time is the read-out itself, as in MercatorMouseMove; the latency counts from
// the post, so it holds the wait behind the cluster reading and the spot redraws too.
// range(0): spot lines a second (0: a silent cluster, for comparison); range(1): distinct calls in
// the flood (0: every line a new call); range(2): seconds of flood before the moves start.
void MercatorMouseMoveDuringClusterFlood(benchmark::State& state)
{
    FloodingCluster cluster(int(state.range(0)), int(state.range(1)));
    const Folder folder(false, 0, clusterSettings(cluster));
    const Run run(folder);
    run.mainWindow()->setClientSize(1920, 960);
    letFlood(state.range(2));
    ImageWidget* const image = run.mercatorWindow()->image();
    MoveClock clock;
    image->installEventFilter(&clock);
    const QPointF centre(image->width() / 2.0, image->height() / 2.0);
    const double radius = image->height() / 3.0;  // pixels
    std::vector<double> latencies, readOuts;     // ms, µs
    int step = 0;
    for (auto _ : state) {
        const double angle = ++step * 0.01;  // radians
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        const auto posted = std::chrono::steady_clock::now();
        QApplication::postEvent(image, new QMouseEvent(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton,
                                                       Qt::NoButton, Qt::NoModifier));
        clock.readOut = false;
        while (!clock.readOut)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(std::chrono::duration<double>(clock.done - clock.arrived).count());
        readOuts.push_back(std::chrono::duration<double, std::micro>(clock.done - clock.arrived).count());
        latencies.push_back(std::chrono::duration<double, std::milli>(clock.done - posted).count());
        // The rest of the hand's 10 ms the loop runs as it would: spot lines, redraws, paints.
        for (QDeadlineTimer hand(std::chrono::milliseconds(10) - (std::chrono::steady_clock::now() - posted));
             !hand.hasExpired();)
            QApplication::processEvents(QEventLoop::AllEvents, int(std::max<qint64>(1, hand.remainingTime())));
    }
    image->removeEventFilter(&clock);
    if (run.mainWindow()->cursorPanel().isHidden())
        state.SkipWithError("the cursor panel was not shown");
    // The mean is the time above; on a shared machine single preemptions weigh on it, the median
    // does not.
    const auto percentile = [](std::vector<double>& values, double p) {
        std::sort(values.begin(), values.end());
        return values[std::size_t(p * double(values.size() - 1))];
    };
    state.counters["readout_p50_us"] = percentile(readOuts, 0.5);
    state.counters["readout_p99_us"] = percentile(readOuts, 0.99);
    state.counters["latency_p50_ms"] = percentile(latencies, 0.5);
    state.counters["latency_p99_ms"] = percentile(latencies, 0.99);
    state.counters["latency_max_ms"] = latencies.back();
    state.counters["lines_sent"] = double(cluster.linesSent());
    state.counters["markers"] = double(run.spots()->spots().markers().size());
}
BENCHMARK(MercatorMouseMoveDuringClusterFlood)
    ->Args({0, 0, 2})
    ->Args({1000, 2000, 2})
    ->Args({1000, 0, 2})
    ->Args({1000, 0, 60})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1000)
    ->UseManualTime();

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// From the creation of the eleven windows to the end of the first paint of the map that is shown,
// for either map; the beam map's cache exists and fits the own station.
// range(1): megabytes of other keys in the settings file.
void StartToFirstPaintedMap(benchmark::State& state)
{
    const bool beam = state.range(0) == 1;
    const Folder folder(beam, state.range(1) << 20);
    if (beam) {
        const Run first(folder);
        first.beamWindow()->Beamkarte1Click();  // builds the cache for the station
    }
    for (auto _ : state) {
        // Timed by hand: the shut-down at the end of the iteration is not part of it.
        const auto started = std::chrono::steady_clock::now();
        const Run run(folder);
        ImageWidget* const map = beam ? run.beamWindow()->image() : run.mercatorWindow()->image();
        PaintWatch watch;
        map->installEventFilter(&watch);
        for (QDeadlineTimer patience(5000); !watch.painted;) {
            if (patience.hasExpired()) {
                state.SkipWithError("the map was not painted");
                break;
            }
            QApplication::processEvents();
        }
        QApplication::processEvents();  // the rest of the paint
        map->removeEventFilter(&watch);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    state.SetLabel(beam ? "beam map" : "Mercator map");
}
BENCHMARK(StartToFirstPaintedMap)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseManualTime();

// The shut-down after the main window was moved: every window saves its place; range(0):
// megabytes of other keys in the settings file.
void ShutDown(benchmark::State& state)
{
    const Folder folder(false, state.range(0) << 20);
    for (auto _ : state) {
        auto run = std::make_unique<Run>(folder);
        QApplication::processEvents();
        run->mainWindow()->move(run->mainWindow()->x() + 1, run->mainWindow()->y());
        const auto started = std::chrono::steady_clock::now();
        run.reset();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
}
BENCHMARK(ShutDown)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
