// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The whole program's wiring between the main window and the tool windows it does not own: the
// menu items that show them and the first-run prompt.

#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "settings/SettingsFile.h"
#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "widgets/ImageWidget.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

class ToolWindowWiringTest : public testing::Test {
protected:
    void SetUp() override { folder.writeReferenceData(); }

    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

// The entry window asks for the prompt over the main window's client area until the own locator
// is given, then for the hint with its OK, which has the focus, shows it, takes Return and keypad
// Enter, and waits while the entry window is open.
TEST_F(ToolWindowWiringTest, TheEntryWindowDrivesTheFirstRunPrompt)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QFile::remove(folder.iniPath());  // a first run each time
        folder.start();
        formA()->show();
        auto* prompt = mainControl<QLabel>("StartPanel");
        auto* ok = control<QPushButton>(prompt, "Button1");
        form4()->Timer1Timer();
        EXPECT_FALSE(prompt->isHidden());
        EXPECT_EQ(prompt->text(), QStringLiteral("eigenen Locator eingeben, dann Eingabetaste"));
        EXPECT_EQ(prompt->geometry(), formA()->clientArea()->rect());
        QTest::keyClicks(control<QLineEdit>(form4(), "E_Locator"), QStringLiteral("JO31MM"));
        QTest::keyClick(control<QLineEdit>(form4(), "E_Locator"), Qt::Key_Return);
        form4()->Timer1Timer();
        EXPECT_EQ(prompt->text(), QStringLiteral("Menü und Hilfe mit rechter Maustaste"));
        ASSERT_FALSE(ok->isHidden());
        ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
        EXPECT_TRUE(ok->hasFocus());
        EXPECT_TRUE(formA()->testAttribute(Qt::WA_KeyboardFocusChange)) << "no focus frame";
        form4()->show();
        ok->click();
        EXPECT_FALSE(prompt->isHidden()) << "OK waits for the entry window";
        form4()->hide();
        QTest::keyClick(ok, key);
        EXPECT_TRUE(prompt->isHidden());
        folder.stop();
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
}

// At a first start the crosshair window takes a place clear of the entry window and the map's
// centre, for each map, which it then keeps; a place from the file stays as it is.
TEST_F(ToolWindowWiringTest, AtAFirstStartTheCrosshairWindowStandsClearOfTheEntryWindowAndTheMapsCentre)
{
    ASSERT_TRUE(folder.copyBuiltKarten());
    folder.start();
    formA()->show();
    form4()->show();
    for (const char* map : {"Karten1", "Beamkarte1"}) {
        SCOPED_TRACE(map);
        emit mainControl<QMenu>(map)->aboutToShow();
        ASSERT_TRUE(QTest::qWaitFor(
            [map] { return (QByteArray(map) == "Karten1" ? form1()->mapShown() : form10()->mapShown()); }));
        session()->setTarget(13.4, 52.5);
        ASSERT_TRUE(form2()->isVisible());
        const QRect crosshair = form2()->frameGeometry();
        EXPECT_FALSE(crosshair.intersects(form4()->frameGeometry()));
        const QWidget* image = form1()->mapShown() ? static_cast<QWidget*>(form1()->image()) : form10()->image();
        EXPECT_FALSE(crosshair.contains(image->mapToGlobal(image->rect().center())));
    }
    const QPoint taken = form2()->geometry().topLeft();
    folder.stop();
    SettingsFile saved(folder.iniPath());
    EXPECT_EQ(saved.readInteger(QStringLiteral("Beam"), QStringLiteral("FadenkreuzanzeigePos_X"), -1), taken.x());
    EXPECT_EQ(saved.readInteger(QStringLiteral("Beam"), QStringLiteral("FadenkreuzanzeigePos_Y"), -1), taken.y());
    folder.writeFile(QStringLiteral("Corvane.ini"),
                     "[Mercator]\r\nFadenkreuzAnzeigePos_X=7\r\nFadenkreuzAnzeigePos_Y=20\r\n");
    folder.start();
    session()->setTarget(13.4, 52.5);
    EXPECT_EQ(form2()->geometry().topLeft(), QPoint(7, 20));
}

TEST_F(ToolWindowWiringTest, MenuItemsShowTheirToolWindows)
{
    QFile page(qEnvironmentVariable("CORVANE_SOURCE_DIR") + QStringLiteral("/help/Corvane.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    folder.writeFile(QStringLiteral("Help/Corvane.htm"), page.readAll());
    folder.start();
    // The menu item, its window, and whether a second click hides it again.
    const std::tuple<const char*, std::function<QWidget*()>, bool> cases[] = {
        {"Parameter1", form3, true},
        {"Locator1", form4, false},
        {"Feststationen1", form7, true},
        {"Hilfe2", formHilfe, false},
    };
    for (const auto& [item, window, toggles] : cases) {
        EXPECT_TRUE(!toggles || window()->isHidden()) << item;
        mainControl(item)->trigger();
        EXPECT_TRUE(window()->isVisible()) << item;
        if (toggles) {
            mainControl(item)->trigger();
            EXPECT_TRUE(window()->isHidden()) << item;
        }
    }
    EXPECT_EQ(control<QTextBrowser>(formHilfe(), "WB1")->source().toLocalFile(),
              folder.path() + QStringLiteral("Help/Corvane.htm"));
    // The day-and-night item is checked by the parameters, and unchecks them.
    parameters()->setGreylineShown(true);
    mainControl("greylineItem")->trigger();
    EXPECT_FALSE(parameters()->greylineShown());
    // The about card comes up centred over the main window's client area.
    formA()->show();
    formA()->move(101, 57);
    formA()->setClientSize(700, 501);
    mainControl("About1")->trigger();
    ASSERT_TRUE(formHelpAbout()->isVisible());
    EXPECT_EQ(formHelpAbout()->pos(),
              QPoint((formA()->clientWidth() - 449) / 2 + 101, (formA()->clientHeight() - 297) / 2 + 57));
}

TEST_F(ToolWindowWiringTest, MenuItemsGiveTheirToolWindowTheKeyboard)
{
    folder.start();
    formA()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
    // The menu item, the window's title, and the control with the keyboard (none: any of the window's).
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Parameter1", "Parameter", nullptr},
        {"Feststationen1", "Richtungen", "RG"},
        {"dxSpotsItem", "DX-Spots", nullptr},
    };
    for (const auto& [item, title, control] : cases) {
        mainControl(item)->trigger();
        EXPECT_TRUE(QTest::qWaitFor([title = title, control = control] {
            const QWidget* focus = QApplication::focusWidget();
            return focus && focus->window()->windowTitle() == QLatin1String(title) &&
                (!control || focus->objectName() == QLatin1String(control));
        })) << title;
        formA()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
    }
}

}  // namespace
