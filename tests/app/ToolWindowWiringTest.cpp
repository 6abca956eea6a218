// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The whole program's wiring between the main window and the tool windows it does not own: the
// menu items that show them, the first-run prompt, the places kept for the shown map.

#include "support/Controls.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class ToolWindowWiringTest : public testing::Test {
protected:
    void SetUp() override { folder.writeReferenceData(); }

    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

// The entry window asks for the prompt over the main window's client area until the own locator
// is given, then for the hint with its OK.
TEST_F(ToolWindowWiringTest, TheEntryWindowDrivesTheFirstRunPrompt)
{
    folder.start();
    form4()->Timer1Timer();
    EXPECT_FALSE(mainControl<QLabel>("StartPanel")->isHidden());
    EXPECT_EQ(mainControl<QLabel>("StartPanel")->text(), QStringLiteral("eigenen Locator eingeben, dann Eingabetaste"));
    EXPECT_EQ(mainControl<QLabel>("StartPanel")->geometry(), formA()->clientArea()->rect());

    QLineEdit* locator = control<QLineEdit>(form4(), "E_Locator");
    QTest::keyClicks(locator, QStringLiteral("JO31MM"));
    QTest::keyClick(locator, Qt::Key_Return);
    form4()->Timer1Timer();
    EXPECT_EQ(mainControl<QLabel>("StartPanel")->text(), QStringLiteral("Menü und Hilfe mit rechter Maustaste"));
    EXPECT_FALSE(control<QPushButton>(mainControl<QLabel>("StartPanel"), "Button1")->isHidden());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(ToolWindowWiringTest, MenuItemsShowTheirToolWindows)
{
    QFile page(qEnvironmentVariable("CORVANE_SOURCE_DIR") + QStringLiteral("/help/Corvane.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    folder.writeFile(QStringLiteral("Help/Corvane.htm"), page.readAll());
    folder.start();

    mainControl("Feststationen1")->trigger();
    EXPECT_TRUE(form7()->isVisible());
    mainControl("Feststationen1")->trigger();
    EXPECT_FALSE(form7()->isVisible());

    mainControl("Hilfe2")->trigger();
    EXPECT_TRUE(formHilfe()->isVisible());
    EXPECT_EQ(control<QTextBrowser>(formHilfe(), "WB1")->source().toLocalFile(),
              folder.path() + QStringLiteral("Help/Corvane.htm"));

    // The about card comes up centred over the main window's client area.
    formA()->show();
    formA()->move(101, 57);
    formA()->setClientSize(700, 501);
    mainControl("About1")->trigger();
    ASSERT_TRUE(formHelpAbout()->isVisible());
    EXPECT_EQ(formHelpAbout()->pos(),
              QPoint((formA()->clientWidth() - 449) / 2 + 101, (formA()->clientHeight() - 297) / 2 + 57));
}

// A tool window opened from the menu has the keyboard at once.
TEST_F(ToolWindowWiringTest, MenuItemsGiveTheirToolWindowTheKeyboard)
{
    folder.start();
    formA()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
    const struct { QAction* item; const char* title; } cases[] = {{mainControl("Parameter1"), "Parameter"},
                                                                  {mainControl("dxSpotsItem"), "DX-Spots"}};
    for (const auto& c : cases) {
        c.item->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QWidget* focus = QApplication::focusWidget();
            return focus && focus->window()->windowTitle() == QLatin1String(c.title);
        })) << c.title;
        formA()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
    }
}

// The entry window's place is kept for the map shown and written with the map's section.
TEST_F(ToolWindowWiringTest, TheEntryWindowsPlaceIsRememberedForTheShownMap)
{
    folder.start();
    form4()->show();
    form4()->setGeometry(QRect(QPoint(321, 234), form4()->size()));  // the client area, as the place is kept
    form4()->PositionstimerTimer();
    EXPECT_EQ(RunningProgram::get()->mapPlaces().place(MapPlaces::Tool::entry, MapPlaces::Map::mercator),
              QPoint(321, 234));
    folder.stop();
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("LocatorPos_X=321\r\n"));
}

}  // namespace
