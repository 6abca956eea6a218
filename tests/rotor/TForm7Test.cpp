#include "app/ProgramLayout.h"
#include "app/TFormA.h"
#include "rotor/TForm7.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The directions list of a started program whose rotor program lives in the folder "Rotor",
// with its travel from 0 to 450 degrees and the rotor at 10 degrees.
class TForm7Test : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    const QString dataFile = QStringLiteral("Rotor/Data.txt");

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Rotor")));
        folder.start();
        Form7->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form7));
        session->rotorState.rotorAzimuth = 10;
        session->rotorState.rotorElevation = 4;
        session->rotorState.rotorMinAzimuth = 0;
        session->rotorState.rotorMaxAzimuth = 450;
    }

    // The rotor link has found the rotor program, with this Data.txt beside it.
    void load(const QByteArray& bytes)
    {
        folder.writeFile(dataFile, bytes);
        session->rotorState.rotorProgramFolder = folder.path() + QStringLiteral("Rotor/");
        Form7->LoadDirections();
    }

    static QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < Form7->RG->count(); ++i)
            texts << Form7->RG->item(i)->text();
        return texts;
    }

    // A click on a row as the user makes it.
    static void click(int row)
    {
        QListWidget* list = Form7->RG;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    static void edit(const QString& identifier, const QString& azimuth, const QString& elevation)
    {
        Form7->E_Kennung->setText(identifier);
        Form7->E_Azimut->setText(azimuth);
        Form7->E_Elevation->setText(elevation);
    }
};

TEST_F(TForm7Test, LoadsSortedAndKeepsLinesThatAreNoRecords)
{
    load("RELAIS NORD\t15\t0\r\nabc\r\nBAKE\t-90\t5\r\n");
    EXPECT_EQ(rows(), (QStringList{QString(), QStringLiteral("BAKE"), QStringLiteral("RELAIS NORD")}));
    EXPECT_EQ(Form7->directions().lines().at(0), QStringLiteral("abc"));
    EXPECT_TRUE(Form7->GroupBox1->isHidden());

    // A save writes every line back, the one without TABs too.
    Form7->Neu1Click();
    edit(QStringLiteral("DB0XY"), QStringLiteral("200"), QStringLiteral("0"));
    Form7->Speichern->click();
    EXPECT_EQ(folder.readFile(dataFile), QByteArray("abc\r\nBAKE\t-90\t5\r\nDB0XY\t200\t0\r\nRELAIS NORD\t15\t0\r\n"));
}

TEST_F(TForm7Test, NewRecordStartsAtTheAntennaDirectionAndIsSavedAtItsSortedPlace)
{
    load("B\t1\t0\r\nD\t3\t0\r\n");
    Form7->Neu2->trigger();
    EXPECT_FALSE(Form7->GroupBox1->isHidden());
    EXPECT_EQ(Form7->E_Azimut->text(), QStringLiteral("10"));
    EXPECT_EQ(Form7->E_Elevation->text(), QStringLiteral("4"));
    EXPECT_EQ(Form7->selectedRow(), -1);

    QTest::keyClicks(Form7->E_Kennung, QStringLiteral("c\tx"));  // upper case, no TAB
    EXPECT_EQ(Form7->E_Kennung->text(), QStringLiteral("CX"));
    Form7->Speichern->click();
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("B"), QStringLiteral("CX"), QStringLiteral("D")}));
    EXPECT_EQ(Form7->selectedRow(), 1);
    EXPECT_TRUE(Form7->GroupBox1->isHidden());
    EXPECT_TRUE(Form7->E_Kennung->text().isEmpty());
    EXPECT_EQ(folder.readFile(dataFile), QByteArray("B\t1\t0\r\nCX\t10\t4\r\nD\t3\t0\r\n"));
}

TEST_F(TForm7Test, SavedAnglesAreBroughtIntoTheirRanges)
{
    struct Case {
        const char* azimuth;
        const char* elevation;
        int minAzimuth, maxAzimuth;
        const char* stored;
    };
    const Case cases[] = {{"500", "200", 0, 450, "X1\t140\t20"}, {"270", "-10", -180, 180, "X1\t-90\t170"},
                          {"  12.6", "0", 0, 450, "X1\t13\t0"},
                          {"1e300", "1e300", 0, 450, nullptr}};
    for (const Case& c : cases) {
        load("");
        session->rotorState.rotorMinAzimuth = c.minAzimuth;
        session->rotorState.rotorMaxAzimuth = c.maxAzimuth;
        Form7->Neu1Click();
        edit(QStringLiteral("X1"), QString::fromLatin1(c.azimuth), QString::fromLatin1(c.elevation));
        Form7->SpeichernClick();
        ASSERT_EQ(Form7->directions().size(), 1) << c.azimuth;
        if (c.stored) {
            EXPECT_EQ(Form7->directions().lines().at(0), QString::fromLatin1(c.stored));
        }
    }
    // Even a huge azimuth ends inside the travel.
    const int stored = Form7->directions().lines().at(0).section(u'\t', 1, 1).toInt();
    EXPECT_GE(stored, 0);
    EXPECT_LE(stored, 450);
}

TEST_F(TForm7Test, UnreadableNumbersAndShortIdentifiersSaveNothing)
{
    load("B\t1\t0\r\n");
    const QByteArray before = folder.readFile(dataFile);
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"XY", "12,6", "0", "warning|Corvane|Fehler im Azimutwinkel"},
        {"XY", "", "0", "warning|Corvane|Fehler im Azimutwinkel"},
        {"XY", "12 ", "0", "warning|Corvane|Fehler im Azimutwinkel"},
        {"XY", "12", "hoch", "warning|Corvane|Fehler im Elevationswinkel"},
        {"A", "500", "0", nullptr},
    };
    for (const auto& [identifier, azimuth, elevation, warning] : cases) {
        dialogs.shown.clear();
        Form7->Neu1Click();
        edit(QString::fromLatin1(identifier), QString::fromLatin1(azimuth), QString::fromLatin1(elevation));
        Form7->SpeichernClick();
        EXPECT_EQ(dialogs.shown, warning ? QStringList{QString::fromUtf8(warning)} : QStringList()) << azimuth;
        EXPECT_FALSE(Form7->GroupBox1->isHidden());
        EXPECT_EQ(folder.readFile(dataFile), before);
    }
    // The short identifier stopped after the numbers were corrected.
    EXPECT_EQ(Form7->E_Azimut->text(), QStringLiteral("140"));
}

TEST_F(TForm7Test, DoubleClickEditsTheRecordInPlaceAndTheLastOfEqualIdentifiersIsSelected)
{
    load("BAKE\t100\t0\r\nBAKE\t200\t0\r\nbake\t300\t0\r\n");
    click(1);
    QTest::mouseDClick(Form7->RG->viewport(), Qt::LeftButton, {}, Form7->RG->visualItemRect(Form7->RG->item(1)).center());
    ASSERT_FALSE(Form7->GroupBox1->isHidden());
    EXPECT_EQ(Form7->E_Kennung->text(), QStringLiteral("BAKE"));
    EXPECT_EQ(Form7->E_Azimut->text(), QStringLiteral("200"));
    // The double click withdraws the target the click had set.
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 10);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 4);

    Form7->E_Azimut->setText(QStringLiteral("50"));
    Form7->LoadDirections();  // the rotor link reloads at its connection attempts meanwhile
    Form7->SpeichernClick();
    EXPECT_EQ(folder.readFile(dataFile), QByteArray("BAKE\t100\t0\r\nBAKE\t50\t0\r\nbake\t300\t0\r\n"));
    // Reloaded and sorted; of the rows named exactly "BAKE" the last is selected, not "bake".
    EXPECT_EQ(Form7->directions().lines().at(1), QStringLiteral("bake\t300\t0"));
    EXPECT_EQ(Form7->directions().lines().at(2), QStringLiteral("BAKE\t50\t0"));
    EXPECT_EQ(Form7->selectedRow(), 2);
}

TEST_F(TForm7Test, AClickTurnsTheAntennaToTheEntry)
{
    load("FERN\t-30\t12\r\nNAH\t50\t0\r\nZ\tx\t0\r\nZZ\t20\tx\r\n");
    session->rotorState.rotorAzimuth = 400;
    click(1);  // 50 is 350 degrees away: one turn further, 410
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 410);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 0);
    EXPECT_TRUE(session->rotorState.rotorSendPending);
    click(0);  // -30 is brought into the travel first: 330
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 330);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 12);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // An unreadable azimuth leaves the targets; an unreadable elevation keeps the new azimuth.
    click(2);
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("error|Corvane|'x' ist kein gültiger Gleitkommawert.")});
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 330);
    click(3);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 380);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 12);

    session->rotorState.rotorSendPending = false;
    Form7->RotorSTOP1->trigger();
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 400);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 4);
    EXPECT_TRUE(session->rotorState.rotorSendPending);
}

TEST_F(TForm7Test, DeleteAsksFirstAndRemovesOnlyOnYes)
{
    load("BAKE\t1\t0\r\nREST\t2\t0\r\n");
    Form7->LoeschenClick();  // nothing selected
    EXPECT_TRUE(dialogs.shown.isEmpty());

    click(0);
    dialogs.confirmAnswers = {false, true};
    Form7->B_Loeschen->click();
    EXPECT_EQ(dialogs.shown.last(), QStringLiteral("confirm|Corvane|Soll der Datensatz: BAKE\nwirklich gelöscht werden?"));
    EXPECT_EQ(rows().size(), 2);
    Form7->B_Loeschen->click();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("REST")});
    EXPECT_EQ(folder.readFile(dataFile), QByteArray("REST\t2\t0\r\n"));
}

TEST_F(TForm7Test, AListThatCannotBeReadIsNeverOverwritten)
{
    load("ALT\t1\t0\r\n");
    ASSERT_TRUE(QFile::remove(folder.path() + dataFile));
    ASSERT_TRUE(QDir(folder.path()).mkdir(dataFile));  // now present but unreadable
    Form7->LoadDirections();
    EXPECT_TRUE(rows().isEmpty());

    Form7->Neu1Click();
    edit(QStringLiteral("NEU"), QStringLiteral("5"), QStringLiteral("0"));
    Form7->Speichern->click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown.first().startsWith(QStringLiteral("error|Corvane|Die Datei "))) << dialogs.shown.first().toStdString();
    EXPECT_TRUE(QFileInfo(folder.path() + dataFile).isDir());
}

TEST_F(TForm7Test, WithoutAFileTheListHeldMovesToTheNewPlaceOnSave)
{
    load("ALT\t1\t0\r\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Neu")));
    session->rotorState.rotorProgramFolder = folder.path() + QStringLiteral("Neu/");
    Form7->LoadDirections();
    EXPECT_TRUE(rows().isEmpty());
    Form7->Neu1Click();
    edit(QStringLiteral("NEU"), QStringLiteral("5"), QStringLiteral("0"));
    Form7->SpeichernClick();
    EXPECT_EQ(folder.readFile(QStringLiteral("Neu/Data.txt")), QByteArray("ALT\t1\t0\r\nNEU\t5\t0\r\n"));
}

TEST_F(TForm7Test, AnInstalledRotorProgramsListIsTheUsersOwn)
{
    // An installation's tree: the rotor program's folder and, at the built-in relative place, the
    // installed maps; a list already beside the rotor program stays untouched there.
    const QString program = folder.path() + QStringLiteral("usr/lib/corvane/");
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(program + ProgramLayout::installedDataFromProgram + QStringLiteral("/Karten")));
    folder.writeFile(QStringLiteral("usr/lib/corvane/Data.txt"), "FREMD\t1\t0\r\n");
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path() + QStringLiteral("daten")));
    session->rotorState.rotorProgramFolder = program;
    Form7->LoadDirections();
    EXPECT_TRUE(rows().isEmpty());
    Form7->Neu1Click();
    edit(QStringLiteral("NEU"), QStringLiteral("5"), QStringLiteral("0"));
    Form7->SpeichernClick();
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(folder.readFile(QStringLiteral("daten/Corvane/Data.txt")), QByteArray("NEU\t5\t0\r\n"));
    EXPECT_EQ(folder.readFile(QStringLiteral("usr/lib/corvane/Data.txt")), QByteArray("FREMD\t1\t0\r\n"));
}

TEST_F(TForm7Test, TheMainMenuShowsAndHidesTheList)
{
    EXPECT_EQ(Form7->windowTitle(), QStringLiteral("Richtungen"));
    Form7->hide();
    FormA->Feststationen1->trigger();
    EXPECT_TRUE(Form7->isVisible());
    FormA->Feststationen1->trigger();
    EXPECT_FALSE(Form7->isVisible());
}

} // namespace

namespace {

// The rotor link's reload reads Data.txt again only when its path, time or size changed.
TEST_F(TForm7Test, TheLinkReloadsOnlyAChangedList)
{
    load("ALT\t1\t0\r\n");
    const QString path = folder.path() + dataFile;
    const QDateTime written = QFileInfo(path).lastModified();
    const auto rewrite = [&](const QByteArray& bytes, const QDateTime& modified) {
        folder.writeFile(dataFile, bytes);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    };

    rewrite("NEU\t1\t0\r\n", written);  // same size and time: taken for unchanged
    Form7->LoadDirectionsIfChanged();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("ALT")});

    rewrite("NEU\t1\t0\r\n", written.addSecs(1));
    Form7->LoadDirectionsIfChanged();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("NEU")});

    rewrite("NEUER\t1\t0\r\n", written.addSecs(1));
    Form7->LoadDirectionsIfChanged();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("NEUER")});

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Anders")));
    folder.writeFile(QStringLiteral("Anders/Data.txt"), "ANDERS\t1\t0\r\n");
    session->rotorState.rotorProgramFolder = folder.path() + QStringLiteral("Anders/");
    Form7->LoadDirectionsIfChanged();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("ANDERS")});
}

} // namespace
