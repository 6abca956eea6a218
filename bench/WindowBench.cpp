// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Costs of the running program, with real windows on the offscreen platform over a program folder
// with the generated maps: the mouse read-out on both maps per mouse move, cursor panel included,
// and the start, from creating the windows to the first paint of the map shown.

#include "BuiltMaps.h"
#include "app/CursorPanel.h"
#include "app/Program.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "widgets/ImageWidget.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A program folder with the built maps and a settings file of an own station at JO31MM, grown by
// that many bytes of other keys.
class Folder {
public:
    explicit Folder(bool beamShown, qsizetype extraSettingsBytes = 0)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/config")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
        copyBuiltMaps(path());
        QFile ini(path() + QStringLiteral("Corvane.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write(QByteArray("[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n[Parameter]\r\nMausAnzeige_EIN_AUS=0\r\n"
                             "[Main]\r\nMercatorkarte=")
                  + (beamShown ? "0" : "1") + "\r\n");
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
    if (run.mainWindow()->P_Cursor->isHidden())
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
