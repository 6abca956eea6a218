// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/CursorPanel.h"
#include "settings/SettingsFile.h"
#include "app/TFormA.h"
#include "logger/Logger32Link.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "support/Controls.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "widgets/ImageWidget.h"
#include "widgets/MenuCaption.h"
#include "widgets/WindowGeometry.h"
#include "settings/MainWindowSettings.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

QStringList captions(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << MenuCaption::shown(action->text());
    return texts;
}

// A throw-away program folder with small reference data; the boxes shown are recorded.
class MainWindowFolderTest : public testing::Test {
protected:
    MainWindowFolderTest()
    {
        folder.writeReferenceData();
        // Shut-down after a failed creation waits the Logger32 link's pause after its leave.
        folder.timing.logger32Link.disconnectPause = 10;  // ms
    }
    void writeIni(const QByteArray& ini) const
    {
        if (!ini.isNull())
            folder.writeFile(QStringLiteral("Corvane.ini"), ini);
    }
    std::string boxes() const { return dialogs.shown.join(u'\n').toStdString(); }
    // A value of the settings file as the run left it.
    QString saved(const char* section, const char* key) const
    {
        return SettingsFile(folder.iniPath()).readString(QString::fromUtf8(section), QString::fromUtf8(key), QString());
    }

    ProgramFolder folder;
    ScriptedDialogs dialogs;
};

// The whole program, for start-up, shut-down and the windows working together.
class MainWindowTest : public MainWindowFolderTest {
protected:
    // Starts the program, over this settings file when one is given.
    void start(const QByteArray& ini = {})
    {
        writeIni(ini);
        folder.start();
    }
    // With the beam map's cached bitmap there, the beam map is shown at start and opening its
    // menu asks nothing.
    void writeBeamBitmap() const
    {
        QImage bitmap(50, 50, QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        ASSERT_TRUE(bitmap.save(folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
    }
};

// The main window alone, for what concerns it only.
class MainWindowAloneTest : public MainWindowFolderTest {
protected:
    void open(const QByteArray& ini = {})
    {
        close();
        writeIni(ini);
        file = std::make_unique<SettingsFile>(folder.iniPath());
        settings.load(*file);
        window = std::make_unique<TFormA>(logger32, settings);
        window->restorePlace();
        logger32.ConnectLogger32();  // as the start-up does
    }
    // Saves as at shut-down and lets the window go.
    void close()
    {
        if (window)
            window->FormDestroy();
        window.reset();
    }
    void TearDown() override { close(); }
    template <typename Control = QAction> Control* item(const char* name) const
    {
        return control<Control>(window.get(), name);
    }

    Logger32Link logger32 {folder.timing.logger32Link};
    std::unique_ptr<SettingsFile> file;
    MainWindowSettings settings;
    std::unique_ptr<TFormA> window;
};

TEST_F(MainWindowAloneTest, MenuBarHasEveryItemWithItsCaption)
{
    open();
    EXPECT_EQ(captions(window->menuBar()->actions()),
              (QStringList {"Parameter", "Locator", "Mercatorkarte", "Beamkarte", "Feststationen", "StayOnTop",
                            "Logger32 NOT found", "Extras", "Hilfe"}));
    EXPECT_FALSE(item("Feststationen1")->isVisible());
    EXPECT_EQ(captions(item<QMenu>("Karten1")->actions()).mid(0, 2), (QStringList {"Zoom -", "-------------"}));
    EXPECT_EQ(captions(item<QMenu>("Beamkarte1")->actions()), (QStringList {"Zoom +", "Zoom -"}));
    EXPECT_EQ(captions(item<QMenu>("Hilfe1")->actions()), (QStringList {"About", "Hilfe"}));
    EXPECT_EQ(captions(item<QMenu>("extrasMenu")->actions()),
              (QStringList {"Rotor einrichten …", "Rotor parken", "Zum Ziel drehen, kurzer Weg",
                            "Zum Ziel drehen, langer Weg", "Rotor anhalten", "", "Tag und Nacht auf den Karten",
                            "DX-Spots"}));
    // The rotor keys as contest loggers have them, F1 for the help and Ctrl+Q to quit: in every window.
    const std::pair<const char*, QKeySequence> rotorKeys[] = {
        {"shortPathItem", Qt::ALT | Qt::Key_J},
        {"longPathItem", Qt::ALT | Qt::Key_L},
        {"rotorStopItem", Qt::CTRL | Qt::ALT | Qt::Key_J},
        {"Hilfe2", QKeySequence::HelpContents},
        {"quitAction", QKeySequence::Quit},
    };
    for (const auto& [name, keys] : rotorKeys) {
        EXPECT_EQ(item(name)->shortcut(), keys) << name;
        EXPECT_EQ(item(name)->shortcutContext(), Qt::ApplicationShortcut) << name;
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane"));
    EXPECT_EQ(item<QLabel>("StartPanel")->text(), QStringLiteral("eigenen Locator eingeben, dann Eingabetaste"));
    EXPECT_EQ(window->cursorPanel().size(), QSize(144, 59));
    EXPECT_TRUE(window->cursorPanel().isHidden());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << boxes();
}

// "Menü und Hilfe mit rechter Maustaste" holds: a right click on the first-run prompt, or the menu
// key on its OK, opens the menu bar's items as a context menu, "Hilfe" with them.
TEST_F(MainWindowAloneTest, TheFirstRunPromptOpensTheMainMenuOnARightClick)
{
    open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->showStartPrompt();
    window->showStartHint();
    auto* prompt = item<QLabel>("StartPanel");
    ASSERT_EQ(prompt->text(), QStringLiteral("Menü und Hilfe mit rechter Maustaste"));
    auto* ok = control<QPushButton>(prompt, "Button1");
    const QPoint click = prompt->mapTo(window.get(), QPoint(prompt->width() / 3, prompt->height() / 3));
    // What, and how it opens the menu.
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a right click on the prompt", [&] { QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, click); }},
        {"the menu key on OK",
         [&] {
             QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), ok->mapToGlobal(QPoint(2, 2)));
             QApplication::sendEvent(ok, &menuKey);
         }},
    };
    for (const auto& [what, open] : cases) {
        SCOPED_TRACE(what);
        QList<QAction*> items;
        QTimer::singleShot(0, [&items] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                items = popup->actions();
                popup->close();
            }
        });
        open();
        EXPECT_EQ(items, window->menuBar()->actions());
        EXPECT_TRUE(items.contains(item<QMenu>("Hilfe1")->menuAction()));
    }
}

// The cursor panel alone, in a client area with the main window's font.
TEST(CursorPanelTest, WidensForALongLineAndForALargerFontOnly)
{
    QWidget client;
    client.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    CursorPanel panel(&client);
    const auto show = [&panel](const char* country) {
        panel.showLines("7,04°O 51,52°N", "Entfernung: 0,0Km", "Antennenwinkel: 90°", country);
        return panel.width();
    };
    EXPECT_EQ(show("Polen"), 144) << "the designed width holds short lines";
    const int wide = show("Südgeorgien und die Südlichen Sandwichinseln");
    EXPECT_GT(wide, 144);
    EXPECT_EQ(panel.line(3)->width(), wide - panel.line(3)->x());
    EXPECT_EQ(show("Polen"), 144) << "and shrinks back";
    QFont larger = panel.line(0)->font();
    larger.setPointSize(larger.pointSize() * 3);
    for (int line = 0; line < CursorPanelFit::lineCount; ++line)
        panel.line(line)->setFont(larger);
    EXPECT_GT(show("Polen"), 144) << "the same lines in a larger font";
}

TEST_F(MainWindowTest, FirstRunWithoutSettingsUsesDefaultsAndLeavesACompleteFile)
{
    start();
    EXPECT_EQ(formA()->geometry(), QRect(36, 136, 600, 352));
    EXPECT_FALSE(formA()->isStayOnTop());
    EXPECT_EQ(session()->referenceData().cityTable.get().size(), 3u);
    QString name, prefix;
    session()->referenceData().lookupCountry(0, 0, name, prefix);
    EXPECT_EQ(name + u'|' + prefix, QStringLiteral("Nullinsel|N0"));
    folder.stop();
    SettingsFile ini(folder.iniPath());
    const QStringList keys[] = {
        {"Main", "Links", "Oben", "Breit", "Hoch", "StayOnTop"},
        {"Locator", "U_Länge", "U_Breite"},
        {"Mercator", "Hoch", "Breit", "aktuelle Karte", "LocatorPos_X", "LocatorPos_Y", "FadenkreuzAnzeigePos_X",
         "FadenkreuzAnzeigePos_Y"},
        {"Beam", "Hoch", "Breit", "Zoom", "LocatorPos_X", "LocatorPos_Y", "FadenkreuzanzeigePos_X",
         "FadenkreuzanzeigePos_Y"},
        {"Parameter", "Links", "Kreise"},  // every key, in order: ParameterSettingsTest
        {"Hilfe", "Top", "Links", "Breite", "Höhe"},
    };
    const QString missing = QStringLiteral("\x01");
    for (const QStringList& section : keys)
        for (const QString& key : section.mid(1))
            EXPECT_NE(ini.readString(section[0], key, missing), missing) << qPrintable(section[0] + u'/' + key);
    EXPECT_EQ(saved("Main", "Links"), QStringLiteral("36"));
    EXPECT_EQ(saved("Main", "StayOnTop"), QStringLiteral("0"));
    EXPECT_EQ(saved("Mercator", "aktuelle Karte"), QStringLiteral("Welt"));
    EXPECT_EQ(saved("Mercator", "FadenkreuzAnzeigePos_X"), QString()) << "never shown: no place taken yet";
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("[Locator]\r\nU_L\xE4nge="));
}

TEST_F(MainWindowAloneTest, BoundsAndStayOnTopSurviveARestart)
{
    open("[Main]\r\nLinks=50\r\nOben=60\r\nBreit=700\r\nHoch=400\r\nStayOnTop=2\r\n");
    EXPECT_EQ(window->geometry(), QRect(50, 60, 700, 400));
    EXPECT_FALSE(window->isStayOnTop()) << "applied only by the first tick of Timer1";
    window->Timer1Timer();
    window->setGeometry(70, 80, 640, 480);
    close();
    EXPECT_EQ(saved("Main", "Links"), QStringLiteral("70"));
    EXPECT_EQ(saved("Main", "Hoch"), QStringLiteral("480"));
    EXPECT_EQ(saved("Main", "StayOnTop"), QStringLiteral("1"));
}

// A settings file that is there but cannot be read (here an I/O error) is said at the start and
// left as it is: the run neither reads it as a first run's nor writes over it.
TEST_F(MainWindowTest, ASettingsFileThatCannotBeReadIsToldAndKept)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), folder.iniPath()));
    start();
    ASSERT_FALSE(dialogs.shown.isEmpty());
    EXPECT_TRUE(dialogs.shown.front().contains(QStringLiteral("kann nicht gelesen werden"))) << boxes();
    formA()->move(formA()->x() + 40, formA()->y() + 30);
    folder.stop();
    EXPECT_EQ(QFileInfo(folder.iniPath()).symLinkTarget(), QStringLiteral("/proc/self/mem"));
}

// Extreme bounds in the file (hand-edited or damaged) neither overflow nor put any window off
// the screen, and what is written back at exit is on the screen too.
TEST_F(MainWindowTest, ExtremeBoundsInTheFileKeepEveryWindowOnTheScreen)
{
    for (const char* extreme : {"2147483647", "-2147483648"}) {
        start(QByteArray("[Main]\r\nLinks=@\r\nOben=@\r\nBreit=@\r\nHoch=@\r\n[Mercator]\r\nBreit=@\r\nHoch=@\r\n"
                         "LocatorPos_X=@\r\nLocatorPos_Y=@\r\nFadenkreuzAnzeigePos_X=@\r\nFadenkreuzAnzeigePos_Y=@\r\n"
                         "[Parameter]\r\nLinks=@\r\nOben=@\r\n[Hilfe]\r\nLinks=@\r\nTop=@\r\nBreite=@\r\nH\xF6he=@\r\n")
                  .replace('@', extreme));
        const QRect area = WindowGeometry::availableArea();
        for (const QWidget* window : std::initializer_list<QWidget*> {formA(), formHilfe(), form3(), form4(), form2()})
            EXPECT_TRUE(area.contains(window->geometry())) << extreme << ' ' << window->objectName().toStdString();
        EXPECT_LE(form1()->image()->width(), area.width()) << extreme;
        EXPECT_LE(form1()->image()->height(), area.height()) << extreme;
        folder.stop();
        EXPECT_TRUE(area.contains(QRect(saved("Main", "Links").toInt(), saved("Main", "Oben").toInt(),
                                        saved("Main", "Breit").toInt(), saved("Main", "Hoch").toInt())))
            << extreme;
    }
}

TEST_F(MainWindowAloneTest, StayOnTopFollowsTheSettingAndTheMenu)
{
    for (const auto& [value, onTop] : {std::pair {"1", true}, {"2", true}, {"yes", false}, {"0", false}}) {
        open(QByteArray("[Main]\r\nStayOnTop=") + value + "\r\n");
        window->Timer1Timer();
        EXPECT_EQ(window->isStayOnTop(), onTop) << value;
        EXPECT_EQ(MenuCaption::shown(item("StayOnTop1")->text()), onTop ? "StayOnTop *" : "StayOnTop  ");
        item("StayOnTop1")->trigger();
        EXPECT_EQ(window->isStayOnTop(), !onTop) << "the menu toggles";
        EXPECT_EQ(item("StayOnTop1")->isChecked(), !onTop);
    }
}

TEST_F(MainWindowTest, MissingRasterShowsOneErrorAndSkipsTheRestOfCreation)
{
    QFile::remove(folder.kartenPath(QStringLiteral("Landeskennung.arr")));
    start("[Main]\r\nLinks=50\r\n");
    ASSERT_EQ(dialogs.shown.size(), 1) << boxes();
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|Corvane|Datei nicht gefunden: ")));
    EXPECT_TRUE(dialogs.shown[0].endsWith(QStringLiteral("Landeskennung.arr.")));
    EXPECT_EQ(formA()->geometry(), QRect(313, 179, 870, 640));
    EXPECT_TRUE(session()->referenceData().cityTable.get().empty());
    EXPECT_NE(form7(), nullptr) << "the other windows are still created";
    QString name = QStringLiteral("x"), prefix = QStringLiteral("x");
    session()->referenceData().lookupCountry(0, 0, name, prefix);
    EXPECT_TRUE(name.isEmpty() && prefix.isEmpty());
}

// A settings file that cannot be written at quitting (read-only, or a full disk) gives one box, not
// one per window saving its place, and shut-down goes on. While the box is open the event loop
// runs: no window already destroyed may still be reached, and no timer may fire into the
// half-closed program.
TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenAtQuittingGivesOneBox)
{
    for (const bool fullDisk : {false, true}) {
        const QByteArray ini("[Main]\r\nLinks=50\r\n");
        folder.writeFile(QStringLiteral("Corvane.ini"), ini);
        QFile::setPermissions(folder.iniPath(), fullDisk ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
        start();
        for (QWidget* window : std::initializer_list<QWidget*> {formA(), form3(), formHilfe()})
            window->move(window->x() + 40, window->y() + 30);
        dialogs.shown.clear();
        QStringList stillReachable;
        dialogs.whileShown = [&] {
            QTest::qWait(50);
            if (form7() || form6())
                stillReachable << dialogs.shown.last();
            if (formA() && mainControl<QTimer>("Timer1")->isActive())
                stillReachable << QStringLiteral("Timer1");
        };
        {
            std::optional<FileSizeLimit> full;
            if (fullDisk)
                full.emplace(0);
            folder.stop();
        }
        dialogs.whileShown = {};
        EXPECT_TRUE(stillReachable.isEmpty()) << stillReachable.join(u'\n').toStdString();
        ASSERT_EQ(dialogs.shown.size(), 1) << boxes();
        EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|Corvane|Die Einstellungsdatei "))) << boxes();
        EXPECT_EQ(folder.readFile(QStringLiteral("Corvane.ini")), ini) << fullDisk;
    }
}

TEST_F(MainWindowTest, AProgramFolderThatCannotBeEnteredGivesErrorsButNoCrash)
{
    Program program(folder.path() + QStringLiteral("fehlt/"), folder.timing);
    const RunningProgram::Use running(program);
    program.createWindows();
    ASSERT_FALSE(dialogs.shown.isEmpty());
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|Corvane|Der Ordner "))) << boxes();
    EXPECT_NE(form7(), nullptr) << "the other windows are still created";
    program.destroyWindows();
    EXPECT_EQ(formA(), nullptr);
}

TEST_F(MainWindowTest, RelayoutInBeamModeMakesTheClientAreaSquareAndCentresTheRotorPanel)
{
    writeBeamBitmap();
    start("[Main]\r\nMercatorkarte=0\r\n");
    formA()->show();
    auto* resizeTimer = mainControl<QTimer>("ResizeTimer");
    resizeTimer->setInterval(10);  // ms
    QSignalSpy relayouts(formA(), &TFormA::clientAreaResized);
    formA()->setClientSize(700, 400);
    ASSERT_TRUE(resizeTimer->isActive()) << "every resize restarts the timer";
    // One tick, then the resize it causes, then no more.
    ASSERT_TRUE(QTest::qWaitFor([=] { return formA()->clientWidth() == 400 && !resizeTimer->isActive(); }, 2000));
    relayouts.clear();
    EXPECT_FALSE(relayouts.wait(5 * resizeTimer->interval()));
    EXPECT_EQ(form10()->image()->geometry(), QRect(0, 0, 400, 400));
    EXPECT_EQ(QSize(formA()->clientWidth(), formA()->clientHeight()), QSize(400, 400));
    EXPECT_EQ(form6()->pos(),
              QPoint((400 - form6()->width()) / 2, 400 - form6()->clientHeight() - form6()->borderWidth()));
}

TEST_F(MainWindowTest, EscapeClosesTheToolWindows)
{
    start();
    for (QWidget* window :
         std::initializer_list<QWidget*> {form2(), form3(), form4(), form7(), formHilfe(), formHelpAbout()}) {
        ASSERT_TRUE(window);
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isVisible(); }, 1000));
    }
}

class MainWindowKeysTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        // Map names whose first letters clash with each other and with the rotor keys.
        for (const char* map : {"Welt", "Wales", "Lettland"})
            folder.writeFile(QStringLiteral("Karten/%1.inf").arg(QLatin1String(map)), "");
        writeBeamBitmap();
        start();
        formA()->showFixedStationsItem(true);
    }
    // The items the keys can reach: the inert divider and separators have no accelerator.
    static QList<QAction*> items(const QList<QAction*>& actions)
    {
        QList<QAction*> reachable;
        for (QAction* action : actions)
            if (!action->isSeparator() && action != mainControl("Leer"))
                reachable << action;
        return reachable;
    }
    static Qt::Key key(const QAction* action)
    {
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        return mnemonic.isEmpty() ? Qt::Key_unknown : mnemonic[0].key();
    }
    void activateMainWindow() const
    {
        formA()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
    }
};

// Each item of the menu bar and of every menu has its own underlined character, and none is J or
// L: Alt+J and Alt+L turn the rotor from every window of the program.
TEST_F(MainWindowKeysTest, EveryItemHasAnAcceleratorOfItsOwnAndNoneIsJOrL)
{
    QList<QList<QAction*>> menus {formA()->menuBar()->actions()};
    for (const char* menu : {"Karten1", "Beamkarte1", "extrasMenu", "Hilfe1"})
        menus << mainControl<QMenu>(menu)->actions();
    for (const QList<QAction*>& menu : menus) {
        QSet<int> seen;
        for (const QAction* item : items(menu)) {
            const std::string caption = MenuCaption::shown(item->text()).toStdString();
            const Qt::Key letter = key(item);
            for (const Qt::Key refused : {Qt::Key_unknown, Qt::Key_J, Qt::Key_L})
                EXPECT_NE(letter, refused) << caption;
            EXPECT_FALSE(seen.contains(letter)) << caption << ": the accelerator is taken";
            seen.insert(letter);
        }
    }
    EXPECT_EQ(captions(mainControl<QMenu>("Karten1")->actions()).mid(2), (QStringList {"Lettland", "Wales", "Welt"}));
    formA()->setStayOnTop(true);
    EXPECT_EQ(key(mainControl("StayOnTop1")), Qt::Key_S) << "the caption keeps its accelerator when it changes";
}

// Made as small as it goes, the window still shows the rotor panel whole, also when the panel
// grows (another program's goal beside it); the menus whose items went into the menu bar's
// overflow button open below that button, not beyond the window's edge.
TEST_F(MainWindowKeysTest, ANarrowWindowShowsTheRotorPanelWholeAndOpensOverflowedMenusBelowTheOverflowButton)
{
    formA()->show();
    form6()->show();                   // as while the rotor program is linked
    for (const int wider : {0, 80}) {  // pixels
        SCOPED_TRACE(wider);
        form6()->resize(form6()->width() + wider, form6()->height());
        formA()->resize(150, 100);
        // Its lower border may lie below the client area, as the panel is placed.
        EXPECT_TRUE(QTest::qWaitFor(
            [] {
                return form6()->x() >= 0 && form6()->geometry().right() < formA()->clientWidth() && form6()->y() >= 0;
            },
            2000))
            << "client area " << formA()->clientWidth() << "x" << formA()->clientHeight() << ", panel "
            << form6()->width() << "x" << form6()->height() << " at " << form6()->x() << "," << form6()->y();
    }
    const auto* overflow = formA()->menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_TRUE(overflow && overflow->isVisible());
    for (QMenu* menu : {mainControl<QMenu>("Hilfe1"), mainControl<QMenu>("extrasMenu")}) {
        SCOPED_TRACE(menu->objectName().toStdString());
        activateMainWindow();
        QTest::keyClick(formA(), key(menu->menuAction()), Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
        const QPoint below = overflow->mapToGlobal(QPoint(overflow->width(), overflow->height()));
        EXPECT_EQ(menu->geometry().top(), below.y());
        EXPECT_LE(menu->geometry().left(), below.x() - std::min(menu->width(), below.x())) << "beyond the button";
        QTest::keyClick(menu, Qt::Key_Escape);
    }
    // The rotor keys of a menu in the overflow work as before.
    activateMainWindow();
    QSignalSpy turns(formA(), &TFormA::rotorTurnRequested);
    QTest::keyClick(formA(), Qt::Key_J, Qt::AltModifier);
    EXPECT_EQ(turns.count(), 1);
}

// Alt and an item's letter on the menu bar take the item or open its menu; in an open menu the
// letter alone takes the item. What each item then does is tested with its window: here the
// items' handlers are cut off, so that no window takes the keyboard focus meanwhile.
TEST_F(MainWindowKeysTest, AltAndTheLetterOpenTheMenuAndTheLetterTakesTheItem)
{
    formA()->show();
    for (QAction* top : items(formA()->menuBar()->actions())) {
        const std::string caption = MenuCaption::shown(top->text()).toStdString();
        QMenu* menu = top->menu();
        for (QAction* target : menu ? items(menu->actions()) : QList<QAction*> {top}) {
            if (target == mainControl("ZoomMercator"))
                continue;  // shown only while the map is zoomed in
            QObject::disconnect(target, &QAction::triggered, formA(), nullptr);
            QSignalSpy taken(target, &QAction::triggered);
            activateMainWindow();
            QTest::keyClick(formA(), key(top), Qt::AltModifier);
            if (menu) {
                ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) << caption;
                QTest::keyClick(menu, key(target));
                if (QMenu* submenu = target->menu()) {
                    // An item with a menu of its own (the language's) opens it.
                    EXPECT_TRUE(QTest::qWaitFor([submenu] { return submenu->isVisible(); }, 1000)) << caption;
                    submenu->close();
                    menu->close();
                    continue;
                }
                EXPECT_FALSE(menu->isVisible()) << caption;
            }
            EXPECT_EQ(taken.count(), 1) << caption << " / " << MenuCaption::shown(target->text()).toStdString();
        }
    }
}

// Opening a map's menu shows that map, and the menu stays open for its zoom items although the
// main window takes the other map's size.
TEST_F(MainWindowKeysTest, OpeningAMapsMenuShowsTheMapAndKeepsTheMenuOpen)
{
    formA()->show();
    for (const auto& [menu, image] : {std::pair {mainControl<QMenu>("Beamkarte1"), form10()->image()},
                                      {mainControl<QMenu>("Karten1"), form1()->image()}}) {
        SCOPED_TRACE(menu->objectName().toStdString());
        const QSize before = formA()->size();
        activateMainWindow();
        QTest::keyClick(formA(), key(menu->menuAction()), Qt::AltModifier);
        EXPECT_TRUE(
            QTest::qWaitFor([&, image = image] { return image->isVisible() && formA()->size() != before; }, 2000));
        EXPECT_TRUE(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
    }
}

}  // namespace
