// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/ProgramFolder.h"
#include "support/RunningProgram.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray storedHelpPlace("[Hilfe]\r\nLinks=40\r\nTop=30\r\nBreite=300\r\nH\xf6he=200\r\n");

const QWidget* madeWindow(const QString& name)
{
    for (const QWidget* window : QApplication::allWidgets())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

bool helpWindowMade()
{
    return madeWindow(QStringLiteral("FormHilfe"));
}

// The [Hilfe] section of a settings file, its head included.
QByteArray helpSection(const QByteArray& file)
{
    const qsizetype start = file.indexOf("[Hilfe]");
    if (start < 0)
        return {};
    const qsizetype end = file.indexOf("\r\n[", start);
    return file.mid(start, end < 0 ? -1 : end + 2 - start);
}

// The windows hidden at start (the about card and the help) are made after the main window's
// first paint, or when asked for earlier. However late, the help window takes its stored place,
// answers the main window's request, and shut-down saves its place as when it was made at start;
// one never made keeps its stored place byte for byte.
TEST(LaterWindowsTest, AWindowMadeLateBehavesAsOneMadeAtStart)
{
    const struct {
        const char* name;
        std::function<void(Program&)> act;
        bool madeBeforeShutDown;
        bool helpShown;
    } cases[] = {
        {"never made before shut-down", [](Program&) {}, false, false},
        {"made when asked for", [](Program& program) { program.helpWindow(); }, true, false},
        {"made by the main window's request", [](Program& program) { emit program.mainWindow()->helpRequested(); },
         true, true},
        {"made after the first paint",
         [](Program& program) {
             program.mainWindow()->show();
             (void)QTest::qWaitFor(helpWindowMade, 5000);  // checked below
         },
         true, false},
    };
    for (const auto& c : cases) {
        ProgramFolder folder;
        folder.writeReferenceData();
        folder.writeFile(QStringLiteral("Corvane.ini"), storedHelpPlace);
        folder.start();
        Program& program = *folder.program();
        EXPECT_FALSE(helpWindowMade()) << c.name << ": made before the first paint";
        c.act(program);
        EXPECT_EQ(helpWindowMade(), c.madeBeforeShutDown) << c.name;
        if (c.madeBeforeShutDown) {
            EXPECT_EQ(program.helpWindow()->geometry(), QRect(40, 30, 300, 200)) << c.name;
            EXPECT_EQ(program.helpWindow()->isVisible(), c.helpShown) << c.name;
            program.helpWindow()->hide();
        }
        EXPECT_NE(program.aboutWindow(), nullptr) << c.name;
        folder.stop();
        EXPECT_EQ(helpSection(folder.readFile(QStringLiteral("Corvane.ini"))), storedHelpPlace) << c.name;
    }
}

// Without a stored place, a help window never made writes the place it would have had, as before.
TEST(LaterWindowsTest, AWindowNeverMadeWritesItsPlaceAsOneMadeAtStart)
{
    QByteArray sections[2];
    for (const bool asked : {false, true}) {
        ProgramFolder folder;
        folder.writeReferenceData();
        folder.start();
        if (asked)
            folder.program()->helpWindow();
        folder.stop();
        sections[asked] = helpSection(folder.readFile(QStringLiteral("Corvane.ini")));
    }
    EXPECT_FALSE(sections[false].isEmpty());
    EXPECT_EQ(sections[false], sections[true]);
}

// The tool windows and the rotor panel, hidden at start, come after the first paint too, all of
// them, or with the first menu item that asks for one, which then shows it; at the first run the
// entry window is there at once, to ask for the own station.
TEST(LaterWindowsTest, ToolWindowsHiddenAtStartComeAfterTheFirstPaintOrWithTheirMenuItem)
{
    const QString toolWindows[] = {QStringLiteral("Form2"), QStringLiteral("Form3"), QStringLiteral("Form4"),
                                   QStringLiteral("Form6"), QStringLiteral("Form7")};
    const struct {
        const char* item;  // none: the first paint makes them
        bool firstRun;
        const char* shown;
    } cases[] = {{nullptr, false, nullptr},
                 {nullptr, true, nullptr},
                 {"Parameter1", false, "Form3"},
                 {"Locator1", false, "Form4"},
                 {"Feststationen1", false, "Form7"}};
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.item ? c.item : c.firstRun ? "first run" : "first paint");
        ProgramFolder folder;
        folder.writeReferenceData();
        if (!c.firstRun)
            folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n");
        folder.start();
        for (const QString& window : toolWindows)
            EXPECT_EQ(madeWindow(window) != nullptr, c.firstRun && window == QStringLiteral("Form4"))
                << qPrintable(name);
        if (c.item)
            mainControl(c.item)->trigger();
        else
            folder.program()->mainWindow()->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return madeWindow(QStringLiteral("Form7")); }, 5000)) << qPrintable(name);
        for (const QString& window : toolWindows)
            EXPECT_EQ(madeWindow(window)->isVisible(), window == QLatin1String(c.shown)) << qPrintable(name + window);
        folder.stop();
    }
}

}  // namespace
