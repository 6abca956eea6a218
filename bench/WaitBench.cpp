// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// What the user waits for, each measured in a fresh process as the program meets it (cold) and,
// for the beam map, also repeated within one process (warm):
// - a bare Qt QWidget program, from main() to the first paint of its window (the baseline), started
//   right before each start of Corvane, so that both meet the same load of the machine;
// - Corvane, from main() to the first paint of the main window, and of the beam map shown at start;
// - a click on "Beamkarte" after the own station moved, until the new beam map is painted.
// The bare program and Corvane are both this program (same libraries, same platform plugin); under
// an X server with a window manager, as the benchmark should be run, a first paint means the
// window is mapped and exposed.
// Every figure comes from a child process of this program started with --child; the parent only
// prepares the program folders and collects the times. With --dump=<folder> the program instead
// writes the beam bitmap file and the shown beam map of a few stations there, for comparing two
// builds byte for byte.

#include "BuiltMaps.h"
#include "app/FontWarmUp.h"
#include "app/Program.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "platform/ProgramLanguage.h"
#include "session/Session.h"
#include "widgets/ImageWidget.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point mainEntered;

double msSinceMain(Clock::time_point at)
{
    return std::chrono::duration<double, std::milli>(at - mainEntered).count();
}

// Stations the beam map is built for after a move; the dump compares all of them.
const GeoPosition moves[] = {{151.21, -33.87}, {-100, 40}, {0, 90}, {180, 0}, {-45, 89.999}, {7.05, 45.05}};

// A program folder with the built maps and a settings file of an own station at JO31MM; with a
// beam bitmap file made for it when the beam map is shown at start.
class Folder {
public:
    explicit Folder(bool beamShown, const QString& beamFile = {})
    {
        copyBuiltMaps(path());
        QByteArray ini(
            "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n[Parameter]\r\nMausAnzeige_EIN_AUS=0\r\n");
        ini += QByteArray("[Main]\r\nMercatorkarte=") + (beamShown ? "0" : "1") + "\r\n";
        if (!beamFile.isEmpty()) {
            linkOrCopy(beamFile, path() + QStringLiteral("Karten/BeamKarte.bmp"));
            ini += "[Beam]\r\nMittelpunkt_L\xe4nge=7.0417\r\nMittelpunkt_Breite=51.5208\r\n";
        }
        QFile file(path() + QStringLiteral("Corvane.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(ini);
    }

    QString path() const { return dir_.path() + u'/'; }

private:
    QTemporaryDir dir_;
};

// Notes the first paint of a widget, and when its picture was complete: the first turn of the event
// loop after the paint, once the window's backing store has been flushed to the screen. Work the
// program puts off until after the first paint (queued the same way, but later) is not counted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    ~PaintWatch() override
    {
        if (widget_)
            widget_->removeEventFilter(this);
    }

    // Runs the event loop until the widget has been painted; false after 10 s without.
    bool waitForPaint()
    {
        for (QDeadlineTimer patience(10000); !painted_;) {
            if (patience.hasExpired())
                return false;
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        painted_ = false;
        return true;
    }

    // When the picture of the last paint waited for was on the screen, and when that paint began.
    Clock::time_point paintedAt() const { return paintedAt_; }
    Clock::time_point paintBegan() const { return paintBegan_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !flushPending_) {
            flushPending_ = true;
            paintBegan_ = Clock::now();
            QTimer::singleShot(0, this, [this] {
                paintedAt_ = Clock::now();
                flushPending_ = false;
                painted_ = true;
            });
        }
        return false;
    }

private:
    QPointer<QWidget> widget_;  // the program may be gone first
    bool flushPending_ = false;
    bool painted_ = false;
    Clock::time_point paintedAt_, paintBegan_;
};

// Corvane over a folder: its windows created and the main window shown, as main() does.
class Run {
public:
    explicit Run(const QString& folder) : program_(folder)
    {
        program_.createWindows();
        program_.mainWindow()->show();
        program_.mainWindow()->allWindowsCreated();
    }
    ~Run() { program_.destroyWindows(); }
    void stop() { program_.destroyWindows(); }

    Program& program() { return program_; }

private:
    Program program_;
};

// Event loop for a while, so that what a step left running (a file write) ends untimed.
void settle(int ms)
{
    for (QDeadlineTimer until(ms); !until.hasExpired();)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// Moves the own station (the Mercator map shown) and then chooses the beam map; ms until the
// new beam map is painted.
double clickAfterMove(Program& program, const GeoPosition& to)
{
    emit program.mainWindow()->mercatorMapRequested();
    program.session().setOwnPosition(to);
    QApplication::processEvents();
    PaintWatch beam(program.beamWindow()->image());
    const Clock::time_point clicked = Clock::now();
    emit program.mainWindow()->beamMapRequested();
    if (!beam.waitForPaint())
        return -1;
    return std::chrono::duration<double, std::milli>(Clock::now() - clicked).count();
}

// ---- The child processes: each prints its figures in ms on one line --------------------------

int childBare()
{
    QWidget window;
    window.resize(600, 352);
    PaintWatch watch(&window);
    window.show();
    if (!watch.waitForPaint())
        return 1;
    std::printf("%f\n", msSinceMain(watch.paintedAt()));
    return 0;
}

int childStart(const QString& folder, bool beam)
{
    // As main() does.
    Program program(folder);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    ProgramLanguage::install(*qApp, Language::german, QString());
    // The watches go on as soon as the windows exist: the main window shows in its constructor
    // at the earliest.
    program.createWindows();
    PaintWatch window(program.mainWindow());
    PaintWatch map(program.beamWindow()->image());
    program.mainWindow()->show();
    program.mainWindow()->allWindowsCreated();
    if (!window.waitForPaint())
        return 1;
    const double windowPainted = msSinceMain(window.paintedAt());
    if (beam && !map.waitForPaint())
        return 1;
    // A beam map painted before the window's picture was complete went to the screen with it.
    const double beamAfter =
        !beam || map.paintBegan() < window.paintedAt() ? 0.0 : msSinceMain(map.paintedAt()) - windowPainted;
    std::printf("%f %f\n", windowPainted, beamAfter);
    settle(200);
    program.destroyWindows();
    return 0;
}

int childClick(const QString& folder, int move)
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    Run run(folder);
    settle(300);  // the start is over
    std::printf("%f\n", clickAfterMove(run.program(), moves[move]));
    return 0;
}

// ---- The parent: benchmarks over child processes -----------------------------------------------

// The figures a child printed, or an empty list when it failed. The child's per-user folders
// (settings, locks) are those of the program folder.
QList<double> child(const QStringList& arguments, const QString& folder = {})
{
    QProcess process;
    if (!folder.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
        process.setProcessEnvironment(environment);
    }
    process.start(QCoreApplication::applicationFilePath(), QStringList {QStringLiteral("--child")} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QList<double> figures;
    for (const QByteArray& word : process.readAllStandardOutput().simplified().split(' '))
        figures << word.toDouble();
    return figures;
}

// The beam bitmap file made for JO31MM by this build, for the folders that start on the beam map.
const QString& beamFileForHome()
{
    static QTemporaryDir dir;
    static const QString file = [] {
        const Folder folder(false);
        {
            Run run(folder.path());
            emit run.program().mainWindow()->mercatorMapRequested();
            run.program().beamWindow()->Beamkarte1Click();
        }
        const QString kept = dir.path() + QStringLiteral("/BeamKarte.bmp");
        QFile::copy(folder.path() + QStringLiteral("Karten/BeamKarte.bmp"), kept);
        return kept;
    }();
    return file;
}

// The median of figures.
double median(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    const qsizetype middle = figures.size() / 2;
    return figures.size() % 2 ? figures[middle] : (figures[middle - 1] + figures[middle]) / 2;
}

// Each iteration starts a bare QWidget program and then Corvane, one right after the other, so that
// both meet the same load of the machine; the time is Corvane's. Arg 0: the Mercator map shown at
// start; 1: the beam map; 2: the Mercator map, with the beam map's file left by an earlier run, as
// in every folder where the beam map has once been chosen. Counters: the medians of both programs
// and their ratio, and how long after the window the beam map was painted.
void StartAgainstBareQWidget(benchmark::State& state)
{
    const bool beam = state.range(0) == 1;
    const QString beamFile = state.range(0) > 0 ? beamFileForHome() : QString();
    QList<double> bare, corvane, beamAfter;
    for (auto _ : state) {
        state.PauseTiming();
        const Folder folder(beam, beamFile);
        // The program has run in this folder before, as on every start but the first.
        const QStringList arguments {QStringLiteral("start"), folder.path(), QString::number(int(beam))};
        child(arguments, folder.path());
        const QList<double> baseline = child({QStringLiteral("bare")});
        state.ResumeTiming();
        const QList<double> figures = child(arguments, folder.path());
        if (baseline.isEmpty() || figures.size() < 2) {
            state.SkipWithError("the child failed");
            return;
        }
        state.SetIterationTime(figures[0] / 1000);
        bare << baseline[0];
        corvane << figures[0];
        beamAfter << figures[1];
    }
    state.counters["bare_median_ms"] = median(bare);
    state.counters["start_median_ms"] = median(corvane);
    state.counters["ratio_of_medians"] = median(corvane) / median(bare);
    if (beam) {
        state.counters["beam_after_window_median_ms"] = median(beamAfter);
        state.counters["beam_after_window_max_ms"] = *std::max_element(beamAfter.begin(), beamAfter.end());
    }
    static const char* const labels[] = {"Mercator map at start", "beam map at start",
                                         "Mercator map at start, beam file there"};
    state.SetLabel(labels[state.range(0)]);
}
BENCHMARK(StartAgainstBareQWidget)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21)
    ->UseManualTime();

// The first click of a fresh process, with the station moved to each of the stations in turn.
void BeamClickCold(benchmark::State& state)
{
    const QString beamFile = beamFileForHome();
    int move = 0;
    for (auto _ : state) {
        const Folder folder(false, beamFile);
        const QList<double> figures =
            child({QStringLiteral("click"), folder.path(), QString::number(move)}, folder.path());
        move = (move + 1) % int(std::size(moves));
        if (figures.isEmpty() || figures[0] < 0) {
            state.SkipWithError("the child failed");
            return;
        }
        state.SetIterationTime(figures[0] / 1000);
    }
}
BENCHMARK(BeamClickCold)->Unit(benchmark::kMillisecond)->Iterations(9)->UseManualTime();

// Clicks within one process, each after a move to the next station; the file write of one click
// ends before the next.
void BeamClickWarm(benchmark::State& state)
{
    const Folder folder(false, beamFileForHome());
    Run run(folder.path());
    settle(300);
    int move = 0;
    for (auto _ : state) {
        const double ms = clickAfterMove(run.program(), moves[move]);
        move = (move + 1) % int(std::size(moves));
        if (ms < 0) {
            state.SkipWithError("the beam map was not painted");
            return;
        }
        state.SetIterationTime(ms / 1000);
        settle(400);
    }
}
BENCHMARK(BeamClickWarm)->Unit(benchmark::kMillisecond)->Iterations(12)->UseManualTime();

// Writes the beam bitmap file and the shown beam map (PNG) of each station into folder.
int dump(const QString& into)
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QDir().mkpath(into);
    for (int move = 0; move < int(std::size(moves)); ++move) {
        const Folder folder(false, beamFileForHome());
        QImage shown;
        {
            Run run(folder.path());
            Program& program = run.program();
            program.mainWindow()->setClientSize(700, 700);
            settle(100);
            clickAfterMove(program, moves[move]);
            settle(500);  // the tool windows take their places for the beam map
            ImageWidget* image = program.beamWindow()->image();
            shown = image->canvas().copy(0, 0, image->width(), image->height());
        }
        const QString name = into + QStringLiteral("/move%1").arg(move);
        QFile::copy(folder.path() + QStringLiteral("Karten/BeamKarte.bmp"), name + QStringLiteral(".bmp"));
        shown.save(name + QStringLiteral(".png"));
        QFile::copy(folder.path() + QStringLiteral("Corvane.ini"), name + QStringLiteral(".ini"));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    mainEntered = Clock::now();
    // On the X server of DISPLAY when there is one, as the user meets the program; else offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A child running Corvane starts as its main() does; the bare program does not.
    const bool corvane = argc > 3 && std::strcmp(argv[1], "--child") == 0 && std::strcmp(argv[2], "bare") != 0;
    std::optional<FontWarmUp> fonts;
    if (corvane)
        fonts.emplace();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.value(1) == QStringLiteral("--child")) {
        const QString mode = arguments.value(2);
        if (mode == QStringLiteral("bare"))
            return childBare();
        if (mode == QStringLiteral("start"))
            return childStart(arguments.value(3), arguments.value(4) == QStringLiteral("1"));
        if (mode == QStringLiteral("click"))
            return childClick(arguments.value(3), arguments.value(4).toInt());
        return 2;
    }
    if (arguments.value(1).startsWith(QStringLiteral("--dump=")))
        return dump(arguments.value(1).mid(7));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
