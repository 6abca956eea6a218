// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/CursorPanel.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "help/TFormHelpAbout.h"
#include "help/TFormHilfe.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "rotor/TForm6.h"
#include "rotor/TForm7.h"
#include "session/Session.h"
#include "settings/TForm3.h"
#include "support/Controls.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "widgets/ImageWidget.h"
#include "widgets/MenuCaption.h"
#include "widgets/WindowGeometry.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList captions(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << MenuCaption::shown(action->text());
    return texts;
}

class MainWindowTest : public testing::Test {
protected:
    ProgramFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(MainWindowTest, MenuBarHasEveryItemWithItsCaption)
{
    folder.writeReferenceData();
    folder.start();
    const QList<QAction*> top = formA()->menuBar()->actions();
    EXPECT_EQ(captions(top), (QStringList{"Parameter", "Locator", "Mercatorkarte", "Beamkarte", "Feststationen",
                                          "StayOnTop", "Logger32 NOT found", "Extras", "Hilfe"}));
    EXPECT_FALSE(mainControl("Feststationen1")->isVisible());
    EXPECT_EQ(captions(mainControl<QMenu>("Karten1")->actions()).mid(0, 2), (QStringList{"Zoom -", "-------------"}));
    EXPECT_EQ(captions(mainControl<QMenu>("Beamkarte1")->actions()), (QStringList{"Zoom +", "Zoom -"}));
    EXPECT_EQ(captions(mainControl<QMenu>("Hilfe1")->actions()), (QStringList{"About", "Hilfe"}));
    EXPECT_EQ(captions(mainControl<QMenu>("extrasMenu")->actions()),
              (QStringList {"Rotor einrichten …", "Rotor parken", "Zum Ziel drehen, kurzer Weg",
                            "Zum Ziel drehen, langer Weg", "Rotor anhalten", "", "Tag und Nacht auf den Karten",
                            "DX-Spots"}));
    // The rotor keys as contest loggers have them, F1 for the help and Ctrl+Q to quit: in every window.
    const struct { QAction* item; QKeySequence keys; } rotorKeys[] = {
        {mainControl("shortPathItem"), QKeySequence(Qt::ALT | Qt::Key_J)},
        {mainControl("longPathItem"), QKeySequence(Qt::ALT | Qt::Key_L)},
        {mainControl("rotorStopItem"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J)},
        {mainControl("Hilfe2"), QKeySequence(QKeySequence::HelpContents)},
        {mainControl("quitAction"), QKeySequence(QKeySequence::Quit)},
    };
    for (const auto& key : rotorKeys) {
        EXPECT_EQ(key.item->shortcut(), key.keys) << key.item->objectName().toStdString();
        EXPECT_EQ(key.item->shortcutContext(), Qt::ApplicationShortcut);
    }
    EXPECT_EQ(formA()->windowTitle(), QStringLiteral("Corvane"));
    EXPECT_EQ(mainControl<QLabel>("StartPanel")->text(), QStringLiteral("eigenen Locator eingeben, dann Eingabetaste"));
    EXPECT_EQ(formA()->cursorPanel().size(), QSize(144, 59));
    EXPECT_TRUE(formA()->cursorPanel().isHidden());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
}

TEST_F(MainWindowTest, CursorPanelWidensForALongLineAndForALargerFontOnly)
{
    folder.writeReferenceData();
    folder.start();
    const QString position = QStringLiteral("7,04°O 51,52°N");
    const QString distance = QStringLiteral("Entfernung: 0,0Km");
    const QString bearing = QStringLiteral("Antennenwinkel: 90°");
    formA()->cursorPanel().showLines(position, distance, bearing, QStringLiteral("Polen"));
    EXPECT_EQ(formA()->cursorPanel().width(), 144) << "the designed width holds short lines";
    formA()->cursorPanel().showLines(position, distance, bearing, QStringLiteral("Südgeorgien und die Südlichen Sandwichinseln"));
    const int wide = formA()->cursorPanel().width();
    EXPECT_GT(wide, 144);
    EXPECT_EQ(formA()->cursorPanel().line(3)->width(), wide - formA()->cursorPanel().line(3)->x());
    formA()->cursorPanel().showLines(position, distance, bearing, QStringLiteral("Polen"));
    EXPECT_EQ(formA()->cursorPanel().width(), 144) << "and shrinks back";

    QFont larger = formA()->cursorPanel().line(0)->font();
    larger.setPointSize(larger.pointSize() * 3);
    for (QLabel* label : formA()->cursorPanel().findChildren<QLabel*>())
        label->setFont(larger);
    formA()->cursorPanel().showLines(position, distance, bearing, QStringLiteral("Polen"));
    EXPECT_GT(formA()->cursorPanel().width(), 144) << "the same lines in a larger font";
}

TEST_F(MainWindowTest, FirstRunWithoutSettingsUsesDefaultsAndLeavesACompleteFile)
{
    folder.writeReferenceData();
    folder.start();
    EXPECT_EQ(formA()->geometry(), QRect(36, 136, 600, 352));
    EXPECT_FALSE(formA()->isStayOnTop());
    EXPECT_EQ(session()->referenceData().cityTable.size(), 3u);
    QString name, prefix;
    session()->referenceData().lookupCountry(0, 0, name, prefix);
    EXPECT_EQ(name + u'|' + prefix, QStringLiteral("Nullinsel|N0"));
    folder.stop();

    SettingsFile ini(folder.iniPath());
    const QStringList keys[] = {
        {"Main", "Links", "Oben", "Breit", "Hoch", "StayOnTop"},
        {"Locator", "U_Länge", "U_Breite"},
        {"Mercator", "Hoch", "Breit", "aktuelle Karte", "LocatorPos_X", "LocatorPos_Y", "FadenkreuzAnzeigePos_X", "FadenkreuzAnzeigePos_Y"},
        {"Beam", "Hoch", "Breit", "Zoom", "LocatorPos_X", "LocatorPos_Y", "FadenkreuzanzeigePos_X", "FadenkreuzanzeigePos_Y"},
        {"Parameter", "Links", "Oben", "MausAnzeige_EIN_AUS", "Staedte/Inseln_EIN_AUS", "Anzeige Staedte/Inseln Durchmesser",
         "Kreise", "LocatorRaster", "Elev_Grundst", "Elevation", "Ueberlappung", "Anzeigefehler", "RotorSofortstart", "Fahrwegoptimierung"},
        {"Hilfe", "Top", "Links", "Breite", "Höhe"},
    };
    const QString missing = QStringLiteral("\x01");
    for (const QStringList& section : keys)
        for (const QString& key : section.mid(1))
            EXPECT_NE(ini.readString(section[0], key, missing), missing) << section[0].toStdString() << "/" << key.toStdString();
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Links"), QString()), QStringLiteral("36"));
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("StayOnTop"), QString()), QStringLiteral("0"));
    EXPECT_EQ(ini.readString(QStringLiteral("Mercator"), QStringLiteral("aktuelle Karte"), QString()), QStringLiteral("Welt"));
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("[Locator]\r\nU_L\xE4nge="));
}

TEST_F(MainWindowTest, BoundsAndStayOnTopSurviveARestart)
{
    folder.writeReferenceData();
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Main]\r\nLinks=50\r\nOben=60\r\nBreit=700\r\nHoch=400\r\nStayOnTop=2\r\n");
    folder.start();
    EXPECT_EQ(formA()->geometry(), QRect(50, 60, 700, 400));
    EXPECT_FALSE(formA()->isStayOnTop()) << "applied only by the first tick of Timer1";
    formA()->Timer1Timer();
    formA()->setGeometry(70, 80, 640, 480);
    folder.stop();
    SettingsFile ini(folder.iniPath());
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Links"), 0), 70);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Hoch"), 0), 480);
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("StayOnTop"), QString()), QStringLiteral("1"));
}

// A full disk at quitting: one box for the settings file, not one per window saving its place.
TEST_F(MainWindowTest, AFullDiskAtQuittingShowsOneBox)
{
    folder.writeReferenceData();
    folder.start();
    formA()->move(formA()->x() + 40, formA()->y() + 30);
    form3()->move(form3()->x() + 40, form3()->y() + 30);
    formHilfe()->move(formHilfe()->x() + 40, formHilfe()->y() + 30);
    dialogs.shown.clear();
    {
        const FileSizeLimit full(0);
        folder.stop();
    }
    ASSERT_EQ(dialogs.shown.size(), 1) << dialogs.shown.join(u'\n').toStdString();
    EXPECT_TRUE(dialogs.shown.front().contains(QStringLiteral("Einstellungsdatei")))
        << dialogs.shown.front().toStdString();
}

// A settings file that is there but cannot be read (here an I/O error) is said at the start and
// left as it is: the run neither reads it as a first run's nor writes over it.
TEST_F(MainWindowTest, ASettingsFileThatCannotBeReadIsToldAndKept)
{
    folder.writeReferenceData();
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), folder.iniPath()));
    folder.start();
    ASSERT_FALSE(dialogs.shown.isEmpty());
    EXPECT_TRUE(dialogs.shown.front().contains(folder.iniPath())) << dialogs.shown.front().toStdString();
    EXPECT_TRUE(dialogs.shown.front().contains(QStringLiteral("kann nicht gelesen werden")));
    formA()->move(formA()->x() + 40, formA()->y() + 30);
    folder.stop();
    EXPECT_EQ(QFileInfo(folder.iniPath()).symLinkTarget(), QStringLiteral("/proc/self/mem"));
}

// A run killed between writing and renaming leaves a full temporary copy; the next start removes
// it, and only it.
TEST_F(MainWindowTest, StartRemovesTheCopiesOfAKilledSave)
{
    folder.writeReferenceData();
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Main]\r\nLinks=50\r\n");
    folder.writeFile(QStringLiteral(".Corvane.ini.corvane-neu-Xa91bQ"), "[Main]\r\nLinks=5");
    folder.writeFile(QStringLiteral("Corvane.ini.alt"), "eigene Sicherung");
    folder.writeFile(QStringLiteral("Corvane.ini.backup"), "eigene Sicherung");
    folder.start();
    EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral(".Corvane.ini.corvane-neu-Xa91bQ")));
    EXPECT_TRUE(QFile::exists(folder.path() + QStringLiteral("Corvane.ini.alt")));
    EXPECT_TRUE(QFile::exists(folder.path() + QStringLiteral("Corvane.ini.backup")));
    EXPECT_EQ(formA()->x(), 50);
}

// Extreme bounds in the file (hand-edited or damaged) neither overflow nor put any window off
// the screen, and what is written back at exit is on the screen too.
TEST_F(MainWindowTest, ExtremeBoundsInTheFileKeepEveryWindowOnTheScreen)
{
    folder.writeReferenceData();
    for (const char* extreme : {"2147483647", "-2147483648"}) {
        const QByteArray v(extreme);
        folder.writeFile(QStringLiteral("Corvane.ini"),
                         "[Main]\r\nLinks=" + v + "\r\nOben=" + v + "\r\nBreit=" + v + "\r\nHoch=" + v +
                         "\r\n[Mercator]\r\nBreit=" + v + "\r\nHoch=" + v + "\r\nLocatorPos_X=" + v + "\r\nLocatorPos_Y=" + v +
                         "\r\nFadenkreuzAnzeigePos_X=" + v + "\r\nFadenkreuzAnzeigePos_Y=" + v +
                         "\r\n[Parameter]\r\nLinks=" + v + "\r\nOben=" + v +
                         "\r\n[Hilfe]\r\nLinks=" + v + "\r\nTop=" + v + "\r\nBreite=" + v + "\r\nH\xF6he=" + v + "\r\n");
        folder.start();
        const QRect area = WindowGeometry::availableArea();
        for (const QWidget* window : {static_cast<QWidget*>(formA()), static_cast<QWidget*>(formHilfe()),
                                      static_cast<QWidget*>(form3()), static_cast<QWidget*>(form4()),
                                      static_cast<QWidget*>(form2())})
            EXPECT_TRUE(area.contains(window->geometry())) << extreme << ' ' << window->objectName().toStdString();
        EXPECT_LE(form1()->image()->width(), area.width()) << extreme;
        EXPECT_LE(form1()->image()->height(), area.height()) << extreme;
        folder.stop();
        SettingsFile ini(folder.iniPath());
        EXPECT_TRUE(area.contains(QRect(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Links"), 0),
                                        ini.readInteger(QStringLiteral("Main"), QStringLiteral("Oben"), 0),
                                        ini.readInteger(QStringLiteral("Main"), QStringLiteral("Breit"), 0),
                                        ini.readInteger(QStringLiteral("Main"), QStringLiteral("Hoch"), 0))))
            << extreme;
    }
}

TEST_F(MainWindowTest, StayOnTopFollowsTheSettingAndTheMenu)
{
    const struct {
        const char* value;
        bool onTop;
        const char* caption;
    } cases[] = {{"1", true, "StayOnTop *"}, {"2", true, "StayOnTop *"}, {"yes", false, "StayOnTop  "},
                 {"0", false, "StayOnTop  "}};
    folder.writeReferenceData();
    for (const auto& c : cases) {
        folder.writeFile(QStringLiteral("Corvane.ini"), QByteArray("[Main]\r\nStayOnTop=") + c.value + "\r\n");
        folder.start();
        formA()->Timer1Timer();
        EXPECT_EQ(formA()->isStayOnTop(), c.onTop) << c.value;
        EXPECT_EQ(MenuCaption::shown(mainControl("StayOnTop1")->text()), QString::fromLatin1(c.caption));
        mainControl("StayOnTop1")->trigger();
        EXPECT_EQ(formA()->isStayOnTop(), !c.onTop) << "the menu toggles";
        EXPECT_EQ(mainControl("StayOnTop1")->isChecked(), !c.onTop);
        folder.stop();
    }
}

TEST_F(MainWindowTest, MissingRasterShowsOneErrorAndSkipsTheRestOfCreation)
{
    folder.writeReferenceData();
    QFile::remove(folder.kartenPath(QStringLiteral("Landeskennung.arr")));
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Main]\r\nLinks=50\r\n");
    folder.start();
    ASSERT_EQ(dialogs.shown.size(), 1) << dialogs.shown.join(u'\n').toStdString();
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|Corvane|Datei nicht gefunden: ")));
    EXPECT_TRUE(dialogs.shown[0].endsWith(QStringLiteral("Landeskennung.arr.")));
    EXPECT_EQ(formA()->geometry(), QRect(313, 179, 870, 640));
    EXPECT_TRUE(session()->referenceData().cityTable.empty());
    EXPECT_NE(form7(), nullptr) << "the other windows are still created";
    QString name = QStringLiteral("x"), prefix = QStringLiteral("x");
    session()->referenceData().lookupCountry(0, 0, name, prefix);
    EXPECT_TRUE(name.isEmpty() && prefix.isEmpty());
}

TEST_F(MainWindowTest, ReadOnlySettingsFileGivesErrorBoxesAndShutDownGoesOn)
{
    folder.writeReferenceData();
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Main]\r\nLinks=50\r\n");
    QFile::setPermissions(folder.iniPath(), QFile::ReadOwner);
    folder.start();
    // While a box is open the event loop runs: no window already destroyed may still be reached,
    // and no timer may fire into the half-closed program.
    QStringList stillReachable;
    dialogs.whileShown = [&] {
        QTest::qWait(50);
        if (form7() || form6())
            stillReachable << dialogs.shown.last();
        if (formA() && mainControl<QTimer>("Timer1")->isActive())
            stillReachable << QStringLiteral("Timer1");
    };
    folder.stop();
    EXPECT_TRUE(stillReachable.isEmpty()) << stillReachable.join(u'\n').toStdString();
    EXPECT_EQ(dialogs.shown.size(), 1) << "one box for the file, however many windows save their places";
    for (const QString& box : dialogs.shown)
        EXPECT_TRUE(box.startsWith(QStringLiteral("error|Corvane|Die Einstellungsdatei "))) << box.toStdString();
    EXPECT_EQ(folder.readFile(QStringLiteral("Corvane.ini")), QByteArray("[Main]\r\nLinks=50\r\n"));
}

TEST_F(MainWindowTest, AProgramFolderThatCannotBeEnteredGivesErrorsButNoCrash)
{
    Program program(folder.path() + QStringLiteral("fehlt/"));
    const RunningProgram::Use running(program);
    program.createWindows();
    ASSERT_FALSE(dialogs.shown.isEmpty());
    EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("error|Corvane|Der Ordner "))) << dialogs.shown[0].toStdString();
    EXPECT_NE(form7(), nullptr) << "the other windows are still created";
    program.destroyWindows();
    EXPECT_EQ(formA(), nullptr);
}

TEST_F(MainWindowTest, HandEditedSettingsOutOfRangeAreNotTaken)
{
    folder.writeReferenceData();
    folder.writeFile(QStringLiteral("Corvane.ini"),
                     "[Beam]\r\nZoom=2147483647\r\n[Parameter]\r\nAnzeige Staedte/Inseln Durchmesser=20000\r\n");
    folder.start();
    EXPECT_EQ(form10()->zoomMargin(), 0);
    EXPECT_EQ(parameters()->cityMarkerSize(), 3);
}

TEST_F(MainWindowTest, OkOnThePromptWaitsForTheEntryWindow)
{
    folder.writeReferenceData();
    folder.start();
    formA()->showStartPrompt();
    form4()->show();
    control<QPushButton>(mainControl<QLabel>("StartPanel"), "Button1")->click();
    EXPECT_FALSE(mainControl<QLabel>("StartPanel")->isHidden());
    form4()->hide();
    control<QPushButton>(mainControl<QLabel>("StartPanel"), "Button1")->click();
    EXPECT_TRUE(mainControl<QLabel>("StartPanel")->isHidden());
}

// The first-run prompt's "OK" has the focus, shows it, and takes Return and keypad Enter.
TEST(MainWindowFirstRunTest, ReturnAndEnterPressTheOk)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        ScriptedDialogs dialogs;
        ProgramFolder folder;
        folder.writeReferenceData();
        folder.start();
        formA()->show();
        form4()->Timer1Timer();
        QTest::keyClicks(control<QLineEdit>(form4(), "E_Locator"), QStringLiteral("JO31MM"));
        QTest::keyClick(control<QLineEdit>(form4(), "E_Locator"), Qt::Key_Return);
        form4()->Timer1Timer();  // the prompt now offers "OK"
        ASSERT_FALSE(control<QPushButton>(mainControl<QLabel>("StartPanel"), "Button1")->isHidden());
        ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
        EXPECT_TRUE(control<QPushButton>(mainControl<QLabel>("StartPanel"), "Button1")->hasFocus());
        EXPECT_TRUE(formA()->testAttribute(Qt::WA_KeyboardFocusChange)) << "no focus frame";
        QTest::keyClick(control<QPushButton>(mainControl<QLabel>("StartPanel"), "Button1"), key);
        EXPECT_TRUE(mainControl<QLabel>("StartPanel")->isHidden());
        folder.stop();
    }
}

TEST_F(MainWindowTest, MenuItemsToggleTheirWindows)
{
    folder.writeReferenceData();
    folder.start();
    ASSERT_TRUE(form3()->isHidden());
    mainControl("Parameter1")->trigger();
    EXPECT_TRUE(form3()->isVisible());
    mainControl("Parameter1")->trigger();
    EXPECT_TRUE(form3()->isHidden());
    mainControl("Locator1")->trigger();
    EXPECT_TRUE(form4()->isVisible());
    parameters()->setGreylineShown(true);
    mainControl("greylineItem")->trigger();  // checked by the parameters, the item unchecks them
    EXPECT_FALSE(parameters()->greylineShown());
}

} // namespace

namespace {

TEST_F(MainWindowTest, RelayoutInBeamModeMakesTheClientAreaSquareAndCentresTheRotorPanel)
{
    folder.writeReferenceData();
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Main]\r\nMercatorkarte=0\r\n");
    // The beam map is shown at start only when its cached bitmap exists.
    QImage beamBitmap(50, 50, QImage::Format_RGB32);
    beamBitmap.fill(Qt::white);
    ASSERT_TRUE(beamBitmap.save(folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
    folder.start();
    formA()->show();
    form6()->resize(120, 40);
    mainControl<QTimer>("ResizeTimer")->setInterval(10);  // ms
    QSignalSpy relayouts(formA(), &TFormA::clientAreaResized);
    formA()->setClientSize(700, 400);
    ASSERT_TRUE(mainControl<QTimer>("ResizeTimer")->isActive()) << "every resize restarts the timer";
    // One tick, then the resize it causes, then no more.
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return formA()->clientWidth() == 400 && !mainControl<QTimer>("ResizeTimer")->isActive(); }, 2000));
    relayouts.clear();
    EXPECT_FALSE(relayouts.wait(5 * mainControl<QTimer>("ResizeTimer")->interval()));
    EXPECT_EQ(form10()->image()->geometry(), QRect(0, 0, 400, 400));
    EXPECT_EQ(formA()->clientWidth(), 400);
    EXPECT_EQ(formA()->clientHeight(), 400);
    EXPECT_EQ(form6()->pos(), QPoint((400 - 120) / 2, 400 - form6()->clientHeight() - form6()->borderWidth()));
}

} // namespace

namespace {

// Esc closes every tool window.
TEST_F(MainWindowTest, EscapeClosesTheToolWindows)
{
    folder.writeReferenceData();
    folder.start();
    const QList<QWidget*> toolWindows{form2(), form3(), form4(), form7(), formHilfe(), formHelpAbout()};
    for (QWidget* window : toolWindows) {
        ASSERT_TRUE(window);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isVisible(); }, 1000)) << window->objectName().toStdString();
    }
}

} // namespace

namespace {

class MainWindowKeysTest : public MainWindowTest {
protected:
    void start()
    {
        folder.writeReferenceData();
        // Map names whose first letters clash with each other and with the rotor keys.
        for (const char* map : {"Welt", "Wales", "Lettland"})
            folder.writeFile(QStringLiteral("Karten/%1.inf").arg(QLatin1String(map)), "");
        // With the beam map's file there, opening its menu asks nothing.
        QImage beamBitmap(50, 50, QImage::Format_RGB32);
        beamBitmap.fill(Qt::white);
        ASSERT_TRUE(beamBitmap.save(folder.kartenPath(QStringLiteral("BeamKarte.bmp")), "BMP"));
        folder.start();
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
};

// Each item of the menu bar and of every menu has its own underlined character, and none is J or
// L: Alt+J and Alt+L turn the rotor from every window of the program.
TEST_F(MainWindowKeysTest, EveryItemHasAnAcceleratorOfItsOwnAndNoneIsJOrL)
{
    start();
    QList<QList<QAction*>> menus {formA()->menuBar()->actions()};
    for (const char* menu : {"Karten1", "Beamkarte1", "extrasMenu", "Hilfe1"})
        menus << mainControl<QMenu>(menu)->actions();
    for (const QList<QAction*>& menu : menus) {
        QSet<int> seen;
        for (const QAction* item : items(menu)) {
            const std::string caption = MenuCaption::shown(item->text()).toStdString();
            const Qt::Key letter = key(item);
            EXPECT_NE(letter, Qt::Key_unknown) << caption;
            EXPECT_NE(letter, Qt::Key_J) << caption;
            EXPECT_NE(letter, Qt::Key_L) << caption;
            EXPECT_FALSE(seen.contains(letter)) << caption << ": the accelerator is taken";
            seen.insert(letter);
        }
    }
    EXPECT_EQ(captions(mainControl<QMenu>("Karten1")->actions()).mid(2), (QStringList {"Lettland", "Wales", "Welt"}));
    formA()->setStayOnTop(true);
    EXPECT_EQ(key(mainControl("StayOnTop1")), Qt::Key_S) << "the caption keeps its accelerator when it changes";
}

// Alt and an item's letter on the menu bar take the item or open its menu; in an open menu the
// letter alone takes the item. What each item then does is tested with its window: here the
// items' handlers are cut off, so that no window takes the keyboard focus meanwhile.
TEST_F(MainWindowKeysTest, AltAndTheLetterOpenTheMenuAndTheLetterTakesTheItem)
{
    start();
    formA()->show();
    for (QAction* top : items(formA()->menuBar()->actions())) {
        const std::string caption = MenuCaption::shown(top->text()).toStdString();
        QMenu* menu = top->menu();
        const QList<QAction*> targets = menu ? items(menu->actions()) : QList<QAction*> {top};
        for (QAction* target : targets) {
            if (target == mainControl("ZoomMercator"))
                continue;  // shown only while the map is zoomed in
            QObject::disconnect(target, &QAction::triggered, formA(), nullptr);
            QSignalSpy taken(target, &QAction::triggered);
            formA()->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
            QTest::keyClick(formA(), key(top), Qt::AltModifier);
            if (menu) {
                ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) << caption;
                QTest::keyClick(menu, key(target));
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
    start();
    formA()->show();
    const struct { QMenu* menu; QWidget* image; } maps[] = {{mainControl<QMenu>("Beamkarte1"), form10()->image()},
                                                            {mainControl<QMenu>("Karten1"), form1()->image()}};
    for (const auto& map : maps) {
        const QSize before = formA()->size();
        formA()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
        QTest::keyClick(formA(), key(map.menu->menuAction()), Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return map.image->isVisible() && formA()->size() != before; }, 2000))
            << map.menu->objectName().toStdString();
        EXPECT_TRUE(map.menu->isVisible()) << map.menu->objectName().toStdString();
        QTest::keyClick(map.menu, Qt::Key_Escape);
    }
}

}  // namespace
