// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/TForm1.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"
#include "widgets/ImageWidget.h"
#include "support/RunningProgram.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

namespace {

const QByteArray storedHelpPlace("[Hilfe]\r\nLinks=40\r\nTop=30\r\nBreite=300\r\nH\xf6he=200\r\n");

const QWidget* madeWindow(const QString& name)
{
    for (const QWidget* window : QApplication::allWidgets())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

const auto helpWindowMade = [] { return madeWindow(QStringLiteral("FormHilfe")) != nullptr; };

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
    // What is done, whether the help window is then made, and whether it is shown.
    const std::tuple<const char*, std::function<void(Program&)>, bool, bool> cases[] = {
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
    for (const auto& [name, act, madeBeforeShutDown, helpShown] : cases) {
        SCOPED_TRACE(name);
        ProgramFolder folder;
        folder.writeReferenceData();
        folder.writeFile(QStringLiteral("Corvane.ini"), storedHelpPlace);
        folder.start();
        Program& program = *folder.program();
        EXPECT_FALSE(helpWindowMade()) << "made before the first paint";
        act(program);
        EXPECT_EQ(helpWindowMade(), madeBeforeShutDown);
        if (madeBeforeShutDown) {
            EXPECT_EQ(program.helpWindow()->geometry(), QRect(40, 30, 300, 200));
            EXPECT_EQ(program.helpWindow()->isVisible(), helpShown);
            program.helpWindow()->hide();
        }
        EXPECT_NE(program.aboutWindow(), nullptr);
        folder.stop();
        EXPECT_EQ(helpSection(folder.readFile(QStringLiteral("Corvane.ini"))), storedHelpPlace);
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
    const char* const toolWindows[] = {"Form2", "Form3", "Form4", "Form6", "Form7"};
    // The menu item (none: the first paint makes them), a first run, and the window shown.
    const std::tuple<const char*, bool, const char*> cases[] = {
        {nullptr, false, nullptr},    {nullptr, true, nullptr},           {"Parameter1", false, "Form3"},
        {"Locator1", false, "Form4"}, {"Feststationen1", false, "Form7"},
    };
    for (const auto& [item, firstRun, shown] : cases) {
        SCOPED_TRACE(item ? item : firstRun ? "first run" : "first paint");
        ProgramFolder folder;
        folder.writeReferenceData();
        if (!firstRun)
            folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n");
        folder.start();
        for (const char* window : toolWindows)
            EXPECT_EQ(madeWindow(window) != nullptr, firstRun && window == std::string("Form4")) << window;
        if (item)
            mainControl(item)->trigger();
        else
            folder.program()->mainWindow()->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return madeWindow(QStringLiteral("Form7")); }, 5000));
        for (const char* window : toolWindows)
            EXPECT_EQ(madeWindow(window)->isVisible(), shown && window == std::string(shown)) << window;
        folder.stop();
    }
}

// The Mercator map shown at start is drawn before the first paint, from its file; its bitmap is
// decoded after that paint, and the city list read.
TEST(LaterWindowsTest, TheMapShownAtStartIsInTheFirstPicture)
{
    const QRgb sea = qRgb(10, 20, 200);
    ProgramFolder folder;
    folder.writeReferenceData();
    QImage world(360, 180, QImage::Format_RGB32);
    world.fill(sea);
    ASSERT_TRUE(world.save(folder.path() + QStringLiteral("Karten/Welt.bmp"), "BMP"));
    folder.writeFile(QStringLiteral("Karten/Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n");
    folder.start();
    const TForm1& map = *folder.program()->mercatorWindow();
    EXPECT_TRUE(map.mapBitmap().isNull());
    EXPECT_EQ(map.image()->canvas().pixel(20, 20), sea);
    // The cities are not shown: their list, there at start, is read after the first paint.
    ASSERT_TRUE(QFile::remove(folder.path() + QStringLiteral("Karten/Citys.txt")));
    EXPECT_TRUE(folder.program()->session().referenceData().cityTable.get().empty());
    folder.program()->mainWindow()->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !map.mapBitmap().isNull(); }, 5000));
    folder.stop();
}

}  // namespace
