// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "app/MapPlaces.h"
#include "app/TFormA.h"
#include "entry/TForm4.h"
#include "help/TFormHilfe.h"
#include "mercator/TForm2.h"
#include "settings/TForm3.h"
#include "widgets/WindowPlace.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const char* const names[] = {"main window", "position entry", "crosshair data", "parameters", "help"};

// The windows that remember their place, in the order of their names.
std::vector<QWidget*> watched()
{
    return {formA(), form4(), form2(), form3(), formHilfe()};
}

std::vector<QPoint> places()
{
    std::vector<QPoint> result;
    for (const QWidget* window : watched())
        result.push_back(WindowPlace::of(window));
    return result;
}

// Runs the event loop until the places are as the test waits for and have stopped changing (the
// same in three looks 30 ms apart), or the limit has passed; returns the places then.
std::vector<QPoint> settledPlaces(const std::function<bool(const std::vector<QPoint>&)>& awaited, int limitMs)
{
    std::vector<QPoint> last;
    int unchanged = 0;
    QElapsedTimer clock;
    clock.start();
    while (unchanged < 2 && clock.elapsed() < limitMs) {
        QTest::qWait(30);
        const std::vector<QPoint> now = places();
        unchanged = awaited(now) && now == last ? unchanged + 1 : 0;
        last = now;
    }
    return last;
}

// Shows every window and returns their places once the window manager has framed them (a frame
// that is never reported does not hold the test up longer than two seconds).
std::vector<QPoint> showAll()
{
    for (QWidget* window : watched())
        window->show();
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(watched()[i])) << names[i];
    const auto framed = [](const std::vector<QPoint>&) {
        const std::vector<QWidget*> windows = watched();
        return std::all_of(windows.begin(), windows.end(),
                           [](const QWidget* w) { return w->frameGeometry() != w->geometry(); });
    };
    return settledPlaces(framed, 2000);
}

// Under a window manager, every window that remembers its place comes back exactly where it was
// when the program ended, however often the program is started.
TEST(WindowPlacesTest, EveryRememberingWindowComesBackWhereItWasSaved)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs an X server with a window manager (tests/desktop/under-openbox.sh)";
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    folder.writeReferenceData();
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n");

    // The user drags every window somewhere else, through the window manager.
    folder.start();
    const std::vector<QPoint> shown = showAll();
    for (size_t i = 0; i < std::size(names); ++i)
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("windowmove"), QString::number(watched()[i]->winId()),
                           QString::number(40 + 90 * int(i)), QString::number(60 + 70 * int(i))});
    // Moved, and the tool windows have taken their new places in, as they do every 100 ms.
    const std::vector<QPoint> moved = settledPlaces(
        [&shown](const std::vector<QPoint>& now) {
            for (size_t i = 0; i < now.size(); ++i)
                if (now[i] == shown[i])
                    return false;
            const MapPlaces& kept = RunningProgram::get()->mapPlaces();
            return kept.place(MapPlaces::Tool::entry, MapPlaces::Map::mercator) == now[1]
                   && kept.place(MapPlaces::Tool::crosshair, MapPlaces::Map::mercator) == now[2];
        },
        10000);
    folder.stop();
    const QByteArray saved = folder.readFile(QStringLiteral("Corvane.ini"));
    for (int start = 1; start <= 5; ++start) {
        folder.start();
        for (QWidget* window : watched())
            window->show();
        const std::vector<QPoint> now = settledPlaces([&moved](const std::vector<QPoint>& now) { return now == moved; }, 10000);
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_EQ(now[i], moved[i]) << names[i] << " at start " << start;
        folder.stop();
        EXPECT_EQ(folder.readFile(QStringLiteral("Corvane.ini")), saved) << "after start " << start;
    }
}

} // namespace
