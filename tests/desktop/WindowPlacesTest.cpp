// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "settings/MapPlaces.h"
#include "app/TFormA.h"
#include "entry/TForm4.h"
#include "help/TFormHilfe.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "platform/Dialogs.h"
#include "settings/TForm3.h"
#include "widgets/ErrorBox.h"
#include "widgets/ImageWidget.h"
#include "widgets/WindowGeometry.h"
#include "widgets/WindowPlace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
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

// The top-level windows from the bottom of the window manager's stack to its top.
QList<WId> stacking()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    xprop.waitForFinished(5000);
    const QString reply = QString::fromLatin1(xprop.readAllStandardOutput());
    QList<WId> windows;
    for (const QString& id : reply.mid(reply.indexOf(u'#') + 1).split(u',', Qt::SkipEmptyParts))
        windows << id.trimmed().toULongLong(nullptr, 16);
    return windows;
}

// Places saved where the client area starts at the screen's corner (a larger or scaled screen)
// bring every window back with its title bar on the screen.
TEST(WindowPlacesTest, EveryTitleBarComesBackOnTheScreen)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs an X server with a window manager (tests/desktop/under-openbox.sh)";
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    folder.writeReferenceData();
    folder.writeFile(
        QStringLiteral("Corvane.ini"),
        "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n"
        "[Main]\r\nLinks=0\r\nOben=0\r\n[Parameter]\r\nLinks=0\r\nOben=0\r\n[Hilfe]\r\nTop=0\r\nLinks=0\r\n"
        "[Mercator]\r\nLocatorPos_X=0\r\nLocatorPos_Y=0\r\nFadenkreuzAnzeigePos_X=0\r\nFadenkreuzAnzeigePos_Y=0\r\n");
    folder.start();
    const auto onScreen = [](const std::vector<QPoint>&) {
        const std::vector<QWidget*> windows = watched();
        return std::all_of(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->frameGeometry() != w->geometry() && w->frameGeometry().top() >= 0 &&
                w->frameGeometry().left() >= 0;
        });
    };
    for (QWidget* window : watched())
        window->show();
    settledPlaces(onScreen, 5000);
    for (size_t i = 0; i < std::size(names); ++i) {
        const QWidget* window = watched()[i];
        EXPECT_EQ(WindowGeometry::titleBarShift(window->frameGeometry(),
                                                window->geometry().top() - window->frameGeometry().top(),
                                                WindowGeometry::screenAreas()),
                  QPoint())
            << names[i] << " framed at " << window->frameGeometry().top();
    }
    folder.stop();
}

// At a first start the crosshair window stands clear of the entry window and the map's centre;
// what the menu opens comes above those tool windows, which stay on top.
TEST(WindowPlacesTest, TheToolWindowsStackNeitherOnEachOtherNorOverTheMenusWindows)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        GTEST_SKIP() << "needs an X server with a window manager (tests/desktop/under-openbox.sh)";
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    folder.writeReferenceData();
    folder.start();
    formA()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(formA()));
    form4()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form4()));
    session()->setTarget(13.4, 52.5);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2()));
    settledPlaces([](const std::vector<QPoint>&) { return form2()->frameGeometry() != form2()->geometry(); }, 2000);
    const QRect crosshair = form2()->frameGeometry();
    EXPECT_FALSE(crosshair.intersects(form4()->frameGeometry())) << "over the entry window";
    const QWidget* map = form1()->image();
    EXPECT_FALSE(crosshair.contains(map->mapToGlobal(map->rect().center()))) << "over the map's centre";

    const QList<WId> toolWindows {form4()->winId(), form2()->winId()};
    for (const char* item : {"rotorSetupItem", "dxSpotsItem"}) {
        mainControl(item)->trigger();
        const QWidget* opened = QApplication::activeWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            opened = QApplication::activeWindow();
            return opened && opened != formA() && stacking().contains(opened->winId());
        })) << item;
        const QList<WId> stack = stacking();
        for (const WId tool : toolWindows)
            EXPECT_GT(stack.indexOf(opened->winId()), stack.indexOf(tool)) << item << ": under a tool window";
    }
    // So does a box the main window shows (the real one, read while it is open).
    Dialogs::install(nullptr);
    formA()->activateWindow();
    QList<WId> stackWithBox;
    WId box = 0;
    QTimer::singleShot(0, [&] {
        const bool stacked = QTest::qWaitFor([&] {
            const QWidget* shown = QApplication::activeModalWidget();
            return shown && stacking().contains(shown->winId());
        });
        if (QWidget* shown = QApplication::activeModalWidget()) {
            EXPECT_TRUE(stacked);
            box = shown->winId();
            stackWithBox = stacking();
            shown->close();
        }
    });
    Dialogs::current().information(ErrorBox::programTitle, QStringLiteral("Hinweis"));
    Dialogs::install(&dialogs);
    ASSERT_NE(box, WId(0)) << "no box";
    for (const WId tool : toolWindows)
        EXPECT_GT(stackWithBox.indexOf(box), stackWithBox.indexOf(tool)) << "box under a tool window";
    folder.stop();
}

} // namespace
