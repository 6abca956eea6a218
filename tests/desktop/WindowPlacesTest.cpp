// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "app/TFormA.h"
#include "entry/TForm4.h"
#include "help/TFormHilfe.h"
#include "mercator/TForm2.h"
#include "settings/TForm3.h"
#include "widgets/WindowPlace.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Watched {
    const char* name;
    std::function<QWidget*()> window;
};

const Watched watched[] = {
    {"main window", [] { return static_cast<QWidget*>(formA()); }},
    {"position entry", [] { return static_cast<QWidget*>(form4()); }},
    {"crosshair data", [] { return static_cast<QWidget*>(form2()); }},
    {"parameters", [] { return static_cast<QWidget*>(form3()); }},
    {"help", [] { return static_cast<QWidget*>(formHilfe()); }},
};

constexpr int settleMs = 700;  // time the window manager takes to frame and place a window

void showAll()
{
    for (const Watched& w : watched)
        w.window()->show();
    for (const Watched& w : watched)
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.window())) << w.name;
    QTest::qWait(settleMs);
}

std::vector<QPoint> places()
{
    std::vector<QPoint> result;
    for (const Watched& w : watched)
        result.push_back(WindowPlace::of(w.window()));
    return result;
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
    showAll();
    for (size_t i = 0; i < std::size(watched); ++i) {
        const int x = 40 + 90 * int(i);
        const int y = 60 + 70 * int(i);
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(watched[i].window()->winId()),
                                                      QString::number(x), QString::number(y)});
    }
    QTest::qWait(settleMs);
    const std::vector<QPoint> moved = places();
    folder.stop();
    const QByteArray saved = folder.readFile(QStringLiteral("Corvane.ini"));

    for (int start = 1; start <= 5; ++start) {
        folder.start();
        showAll();
        const std::vector<QPoint> now = places();
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_EQ(now[i], moved[i]) << watched[i].name << " at start " << start;
        folder.stop();
        EXPECT_EQ(folder.readFile(QStringLiteral("Corvane.ini")), saved) << "after start " << start;
    }
}

} // namespace
