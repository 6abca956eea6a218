// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/TForm7.h"
#include "startup/ProgramLayout.h"
#include "rotor/TF_Rotor.h"
#include "session/Session.h"
#include "support/Controls.h"
#include "support/RotorStateEdit.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowSession.h"
#include "widgets/MenuCaption.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <utility>

namespace {

// The directions list alone with the real rotor link, whose rotor program lives in the folder
// "Rotor", with its travel from 0 to 450 degrees and the rotor at 10 degrees.
class TForm7Test : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    WindowSession world;
    QString dataFile = QStringLiteral("Rotor/Data.txt");
    std::unique_ptr<TF_Rotor> link;
    std::unique_ptr<TForm7> window;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(QDir(world.folder.path()).mkdir(QStringLiteral("Rotor")));
        world.open();
        link = std::make_unique<TF_Rotor>(world.session, RotorLinkTiming {3600000});  // ms: no connection attempts
        window = std::make_unique<TForm7>(world.session, link.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        editRotorState(world.session, [](RotorState& r) {
            r.rotorAzimuth = 10;
            r.rotorElevation = 4;
            r.rotorMinAzimuth = 0;
            r.rotorMaxAzimuth = 450;
        });
    }

    void TearDown() override
    {
        window.reset();
        if (link)
            link->FormDestroy();
    }

    QByteArray readFile(const QString& relativePath) const { return world.folder.readFile(relativePath); }

    // The rotor link has found the rotor program in this folder and the list loads from there.
    void useFolder(const QString& folder)
    {
        editRotorState(world.session, [&](RotorState& r) { r.rotorProgramFolder = folder; });
        window->LoadDirections();
    }

    // The rotor link has found the rotor program, with this Data.txt beside it.
    void load(const QByteArray& bytes)
    {
        world.folder.writeFile(dataFile, bytes);
        useFolder(world.folder.path() + QStringLiteral("Rotor/"));
    }

    QListWidget* list() const { return control<QListWidget>(window.get(), "RG"); }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(window.get(), name); }
    QGroupBox* editor() const { return control<QGroupBox>(window.get(), "GroupBox1"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(window.get(), name); }

    // The link's target: azimuth and elevation, degrees.
    std::pair<double, double> target() const { return {link->targetAzimuth(), link->targetElevation()}; }

    QStringList rows() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }

    // A click on a row as the user makes it.
    void click(int row) const
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }

    // A new record as the user enters and saves it.
    void saveNew(const char* identifier, const char* azimuth, const char* elevation) const
    {
        window->Neu1Click();
        field("E_Kennung")->setText(QString::fromLatin1(identifier));
        field("E_Azimut")->setText(QString::fromLatin1(azimuth));
        field("E_Elevation")->setText(QString::fromLatin1(elevation));
        button("Speichern")->click();
    }
};

TEST_F(TForm7Test, LoadsSortedAndKeepsLinesThatAreNoRecords)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Richtungen"));
    load("RELAIS NORD\t15\t0\r\nabc\r\nBAKE\t-90\t5\r\n");
    EXPECT_EQ(rows(), (QStringList {QString(), QStringLiteral("BAKE"), QStringLiteral("RELAIS NORD")}));
    EXPECT_TRUE(editor()->isHidden());
}

TEST_F(TForm7Test, NewRecordStartsAtTheAntennaDirectionAndIsSavedAtItsSortedPlace)
{
    load("B\t1\t0\r\nD\t3\t0\r\n");
    control<QAction>(window.get(), "Neu2")->trigger();
    EXPECT_FALSE(editor()->isHidden());
    EXPECT_EQ(field("E_Azimut")->text(), QStringLiteral("10"));
    EXPECT_EQ(field("E_Elevation")->text(), QStringLiteral("4"));
    EXPECT_EQ(window->selectedRow(), -1);
    QTest::keyClicks(field("E_Kennung"), QStringLiteral("c\tx"));  // upper case, no TAB
    EXPECT_EQ(field("E_Kennung")->text(), QStringLiteral("CX"));
    button("Speichern")->click();
    EXPECT_EQ(rows(), (QStringList {QStringLiteral("B"), QStringLiteral("CX"), QStringLiteral("D")}));
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_TRUE(editor()->isHidden());
    EXPECT_TRUE(field("E_Kennung")->text().isEmpty());
    EXPECT_EQ(readFile(dataFile), QByteArray("B\t1\t0\r\nCX\t10\t4\r\nD\t3\t0\r\n"));
}

TEST_F(TForm7Test, SavedAnglesAreBroughtIntoTheirRanges)
{
    // Azimuth and elevation as typed, the travel ends (degrees), and the line stored.
    const std::tuple<const char*, const char*, int, int, const char*> cases[] = {
        {"500", "200", 0, 450, "X1\t140\t20"},
        {"270", "-10", -180, 180, "X1\t-90\t170"},
        {"  12.6", "0", 0, 450, "X1\t13\t0"}};
    for (const auto& [azimuth, elevation, minAzimuth, maxAzimuth, stored] : cases) {
        load("");
        editRotorState(world.session, [&, min = minAzimuth, max = maxAzimuth](RotorState& r) {
            r.rotorMinAzimuth = min;
            r.rotorMaxAzimuth = max;
        });
        saveNew("X1", azimuth, elevation);
        ASSERT_EQ(window->directions().size(), 1) << azimuth;
        EXPECT_EQ(window->directions().lines().at(0), QString::fromLatin1(stored));
    }
}

TEST_F(TForm7Test, UnreadableNumbersAndShortIdentifiersSaveNothing)
{
    load("B\t1\t0\r\n");
    const QByteArray before = readFile(dataFile);
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"XY", "12,6", "0", "warning|Corvane|Fehler im Azimutwinkel"},
        {"XY", "", "0", "warning|Corvane|Fehler im Azimutwinkel"},
        {"XY", "12 ", "0", "warning|Corvane|Fehler im Azimutwinkel"},
        {"XY", "12", "hoch", "warning|Corvane|Fehler im Elevationswinkel"},
        {"A", "500", "0", nullptr},
    };
    for (const auto& [identifier, azimuth, elevation, warning] : cases) {
        dialogs.shown.clear();
        saveNew(identifier, azimuth, elevation);
        EXPECT_EQ(dialogs.shown, warning ? QStringList {QString::fromUtf8(warning)} : QStringList()) << azimuth;
        EXPECT_FALSE(editor()->isHidden());
        EXPECT_EQ(readFile(dataFile), before);
    }
    // The short identifier stopped after the numbers were corrected.
    EXPECT_EQ(field("E_Azimut")->text(), QStringLiteral("140"));
}

TEST_F(TForm7Test, DoubleClickEditsTheRecordInPlaceAndTheLastOfEqualIdentifiersIsSelected)
{
    load("BAKE\t100\t0\r\nBAKE\t200\t0\r\nbake\t300\t0\r\n");
    click(1);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(1)).center());
    ASSERT_FALSE(editor()->isHidden());
    EXPECT_EQ(field("E_Kennung")->text(), QStringLiteral("BAKE"));
    EXPECT_EQ(field("E_Azimut")->text(), QStringLiteral("200"));
    // The double click withdraws the target the click had set.
    EXPECT_EQ(target(), std::pair(10.0, 4.0));
    field("E_Azimut")->setText(QStringLiteral("50"));
    window->LoadDirections();  // the rotor link reloads at its connection attempts meanwhile
    window->SpeichernClick();
    EXPECT_EQ(readFile(dataFile), QByteArray("BAKE\t100\t0\r\nBAKE\t50\t0\r\nbake\t300\t0\r\n"));
    // Reloaded and sorted; of the rows named exactly "BAKE" the last is selected, not "bake".
    EXPECT_EQ(window->directions().lines().at(1), QStringLiteral("bake\t300\t0"));
    EXPECT_EQ(window->directions().lines().at(2), QStringLiteral("BAKE\t50\t0"));
    EXPECT_EQ(window->selectedRow(), 2);
}

TEST_F(TForm7Test, AClickTurnsTheAntennaToTheEntry)
{
    load("FERN\t-30\t12\r\nNAH\t50\t0\r\nZ\tx\t0\r\nZZ\t20\tx\r\n");
    editRotorState(world.session, [&](RotorState& r) { r.rotorAzimuth = 400; });
    click(1);  // 50 is 350 degrees away: one turn further, 410
    EXPECT_EQ(target(), std::pair(410.0, 0.0));
    EXPECT_TRUE(link->sendPending());
    click(0);  // -30 is brought into the travel first: 330
    EXPECT_EQ(target(), std::pair(330.0, 12.0));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // An unreadable azimuth leaves the targets; an unreadable elevation keeps the new azimuth.
    click(2);
    EXPECT_EQ(dialogs.shown, QStringList {QStringLiteral("error|Corvane|'x' ist kein gültiger Gleitkommawert.")});
    EXPECT_EQ(link->targetAzimuth(), 330);
    click(3);
    EXPECT_EQ(target(), std::pair(380.0, 12.0));
    // The entry already selected turns the rotor again (with one entry there is no other to pick),
    // and so does a selection moved with the keyboard.
    link->cancelTarget();
    click(3);
    EXPECT_EQ(link->targetAzimuth(), 380);
    EXPECT_TRUE(link->sendPending());
    link->cancelTarget();
    QTest::keyClick(list(), Qt::Key_Up);  // to "Z", whose azimuth is unreadable: shown, no turn
    EXPECT_EQ(link->targetAzimuth(), 400);
    QTest::keyClick(list(), Qt::Key_Up);  // to "NAH"
    EXPECT_EQ(link->targetAzimuth(), 410);
    link->cancelTarget();
    control<QAction>(window.get(), "RotorSTOP1")->trigger();
    EXPECT_EQ(target(), std::pair(400.0, 4.0));
    EXPECT_TRUE(link->sendPending());
}

TEST_F(TForm7Test, DeleteAsksFirstAndRemovesOnlyOnYes)
{
    load("BAKE\t1\t0\r\nREST\t2\t0\r\n");
    window->LoeschenClick();  // nothing selected
    EXPECT_TRUE(dialogs.shown.isEmpty());
    click(0);
    dialogs.confirmAnswers = {false, true};
    button("B_Loeschen")->click();
    EXPECT_EQ(dialogs.shown.last(),
              QStringLiteral("confirm|Corvane|Soll der Datensatz: BAKE\nwirklich gelöscht werden?"));
    EXPECT_EQ(rows().size(), 2);
    button("B_Loeschen")->click();
    EXPECT_EQ(rows(), QStringList {QStringLiteral("REST")});
    EXPECT_EQ(readFile(dataFile), QByteArray("REST\t2\t0\r\n"));
}

TEST_F(TForm7Test, AListThatCannotBeReadIsNeverOverwritten)
{
    load("ALT\t1\t0\r\n");
    ASSERT_TRUE(QFile::remove(world.folder.path() + dataFile));
    ASSERT_TRUE(QDir(world.folder.path()).mkdir(dataFile));  // now present but unreadable
    window->LoadDirections();
    EXPECT_TRUE(rows().isEmpty());
    saveNew("NEU", "5", "0");
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown.first().startsWith(QStringLiteral("error|Corvane|Die Datei ")))
        << dialogs.shown.first().toStdString();
    EXPECT_TRUE(QFileInfo(world.folder.path() + dataFile).isDir());
}

TEST_F(TForm7Test, WithoutAFileTheListHeldMovesToTheNewPlaceOnSave)
{
    load("ALT\t1\t0\r\n");
    ASSERT_TRUE(QDir(world.folder.path()).mkdir(QStringLiteral("Neu")));
    useFolder(world.folder.path() + QStringLiteral("Neu/"));
    EXPECT_TRUE(rows().isEmpty());
    saveNew("NEU", "5", "0");
    EXPECT_EQ(readFile(QStringLiteral("Neu/Data.txt")), QByteArray("ALT\t1\t0\r\nNEU\t5\t0\r\n"));
}

TEST_F(TForm7Test, AnInstalledRotorProgramsListIsTheUsersOwn)
{
    // An installation's tree: the rotor program's folder and, at the built-in relative place, the
    // installed maps; a list already beside the rotor program stays untouched there.
    const QString program = world.folder.path() + QStringLiteral("usr/lib/corvane/");
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(program + ProgramLayout::installedDataFromProgram + QStringLiteral("/Karten")));
    world.folder.writeFile(QStringLiteral("usr/lib/corvane/Data.txt"), "FREMD\t1\t0\r\n");
    qputenv("XDG_DATA_HOME", QFile::encodeName(world.folder.path() + QStringLiteral("daten")));
    useFolder(program);
    EXPECT_TRUE(rows().isEmpty());
    saveNew("NEU", "5", "0");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(readFile(QStringLiteral("daten/Corvane/Data.txt")), QByteArray("NEU\t5\t0\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("usr/lib/corvane/Data.txt")), QByteArray("FREMD\t1\t0\r\n"));
}

// The rotor link's reload reads Data.txt again only when its time or size changed.
TEST_F(TForm7Test, TheLinkReloadsOnlyAChangedList)
{
    load("ALT\t1\t0\r\n");
    const QString path = world.folder.path() + dataFile;
    const QDateTime written = QFileInfo(path).lastModified();
    const auto rewrite = [&](const QByteArray& bytes, const QDateTime& modified) {
        world.folder.writeFile(dataFile, bytes);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    };
    // The file written, its time in seconds after the first, and the row shown; the same size and
    // time are taken for unchanged.
    const std::tuple<const char*, int, const char*> cases[] = {
        {"NEU\t1\t0\r\n", 0, "ALT"}, {"NEU\t1\t0\r\n", 1, "NEU"}, {"NEUER\t1\t0\r\n", 1, "NEUER"}};
    for (const auto& [bytes, laterSecs, shown] : cases) {
        rewrite(bytes, written.addSecs(laterSecs));
        window->LoadDirectionsIfChanged();
        EXPECT_EQ(rows(), QStringList {shown}) << bytes;
    }
}

// Opened from the main window's menu (Alt+F), the list has the keyboard: the arrow keys choose an
// entry and the menu's items answer to Alt and their letters, each its own and neither J nor L,
// which turn the rotor from every window.
TEST_F(TForm7Test, OpenedFromTheMenuTheListHasTheKeyboardAndTheMenuItsLetters)
{
    load("BAKE\t-90\t5\r\nRELAIS NORD\t15\t0\r\n");
    // The keyboard is in the main window, where Alt+F opens the list.
    window->hide();
    QWidget mainWindow;
    mainWindow.show();
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    window->toggleFromMenu();
    EXPECT_TRUE(QTest::qWaitFor([this] { return list()->hasFocus(); }, 1000));
    EXPECT_EQ(window->selectedRow(), -1) << "nothing chosen by opening";
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(window->selectedRow(), 0);
    EXPECT_EQ(target(), std::make_pair(270.0, 5.0));

    const auto* menuBar = control<QMenuBar>(window.get(), "MainMenu1");
    QString letters;
    for (const QAction* item : menuBar->actions()) {
        const QChar letter = MenuCaption::accelerator(item->text());
        EXPECT_FALSE(letter.isNull() || letters.contains(letter) || letter == u'J' || letter == u'L')
            << item->text().toStdString();
        letters += letter;
    }
    // The item, its caption, its key, and what shows that it was taken.
    const std::tuple<const char*, const char*, Qt::Key, std::function<bool()>> cases[] = {
        {"RotorSTOP1", "Rotor STOP", Qt::Key_R, [this] { return target() == std::make_pair(10.0, 4.0); }},
        {"Neu2", "Neu", Qt::Key_N, [this] { return !editor()->isHidden() && field("E_Kennung")->hasFocus(); }},
    };
    for (const auto& [name, caption, key, taken] : cases) {
        SCOPED_TRACE(name);
        QAction* item = control<QAction>(window.get(), name);
        EXPECT_EQ(MenuCaption::shown(item->text()), QString::fromUtf8(caption));
        QSignalSpy triggered(item, &QAction::triggered);
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        EXPECT_EQ(triggered.count(), 1);
        EXPECT_TRUE(taken());
    }
    window->toggleFromMenu();
    EXPECT_TRUE(window->isHidden());
}

// Every row is tall enough for its glyphs in any size of the font: the dots of Ö and Ü and the
// descenders lie inside the row, as the text is centred in it.
TEST_F(TForm7Test, RowsShowTheDotsOfUmlautsWhole)
{
    load("\xd6STERREICH\t135\t0\r\n\xdc"
         "BUNG\t20\t0\r\ngjpqy\t10\t0\r\n");
    QListWidget* rows = list();
    for (const int points : {7, 8, 9, 10, 11, 12, 14}) {
        SCOPED_TRACE(points);
        QFont font = rows->font();
        font.setPointSize(points);
        rows->setFont(font);
        const QFontMetrics metrics(font);
        for (int row = 0; row < rows->count(); ++row) {
            const QRect rect = rows->visualItemRect(rows->item(row));
            const QRect glyphs = metrics.tightBoundingRect(rows->item(row)->text());
            const int baseline = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();
            EXPECT_GE(baseline + glyphs.top(), rect.top()) << rows->item(row)->text().toStdString();
            EXPECT_LE(baseline + glyphs.bottom(), rect.bottom()) << rows->item(row)->text().toStdString();
        }
    }
}

}  // namespace
