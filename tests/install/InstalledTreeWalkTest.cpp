// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The installed tree as a new user meets it: the program's windows made over the installed
// program folder, in a fresh home, walk every map, the help page, the beam map, the city list and
// the directions list of the installed rotor program. Everything is read from the installed data
// folder and written to the user's own folder; nothing under the installation changes.

#include "InstalledTree.h"

#include "../rotor/RotorProgramOnBus.h"
#include "support/LinkWait.h"
#include "support/RunningProgram.h"
#include "support/ScriptedDialogs.h"
#include "widgets/ImageWidget.h"
#include "widgets/MenuCaption.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class InstalledTreeWalkTest : public testing::Test {
protected:
    QTemporaryDir scratch;
    InstalledTree tree {scratch.path()};
    QString home = scratch.path() + QStringLiteral("/home");
    QString userFolder = home + QStringLiteral("/.local/share/Corvane/");
    ScriptedDialogs dialogs;

    void SetUp() override
    {
        const QString failure = tree.install();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        // A fresh home, whose registry, per-user files and logs are all the run has.
        ASSERT_TRUE(QDir().mkpath(home));
        const QString runtime = scratch.path() + QStringLiteral("/run");
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
            qunsetenv(name);
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }

    void TearDown() override { RotorProgramOnBus::stop(); }  // the link started it

    // The installed rotor program registered with Hamlib's dummy rotator, as the user does it.
    void registerRotorProgram() const
    {
        QProcess rotor;
        rotor.setProcessChannelMode(QProcess::MergedChannels);
        rotor.start(tree.programFolder() + QStringLiteral("/CorvaneRotor"),
                    {QStringLiteral("--register"), QStringLiteral("--model"), QStringLiteral("1"),
                     QStringLiteral("--pst"), QStringLiteral("aus"), QStringLiteral("--n1mm"), QStringLiteral("aus"),
                     QStringLiteral("--n1mm-announce"), QStringLiteral("aus")});
        ASSERT_TRUE(rotor.waitForFinished(20000));
        ASSERT_EQ(rotor.exitCode(), 0) << rotor.readAll().toStdString();
    }
};

TEST_F(InstalledTreeWalkTest, EveryFileIsReadFromTheDataFolderAndWrittenToTheUsersOwn)
{
    registerRotorProgram();
    const QStringList installedBefore = tree.files();
    Program::Timing timing;
    timing.rotorLink.connectInterval = 200;  // ms: a tenth of the program's
    Program program(tree.programFolder(), timing);
    const RunningProgram::Use use(program);
    program.createWindows();
    formA()->show();

    // The first start asks for the own locator.
    ASSERT_TRUE(waitFor([] { return control<QWidget>(form4(), "GroupBox1")->isVisible(); }));
    QLineEdit* ownLocator = control<QLineEdit>(form4(), "E_Locator");
    QTest::keyClicks(ownLocator, QStringLiteral("JO31MM"));
    QTest::keyClick(ownLocator, Qt::Key_Return);
    ASSERT_NEAR(session()->ownPosition().latitude, 51.5208333, 1e-7);

    // Every map of the installed maps folder.
    ASSERT_GE(form1()->mapItems().size(), 2u);
    for (QAction* item : form1()->mapItems()) {
        const QString name = MenuCaption::shown(item->text());
        SCOPED_TRACE(name.toStdString());
        item->trigger();
        EXPECT_EQ(session()->currentMapName(), name);
        EXPECT_TRUE(form1()->hasMap());
    }

    // The help page.
    mainControl("Hilfe2")->trigger();
    const QTextBrowser* page = control<QTextBrowser>(formHilfe(), "WB1");
    EXPECT_EQ(page->source().toLocalFile(), tree.dataFolder() + QStringLiteral("/Help/Corvane.htm"));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("Was Corvane kann")));

    // The city list names the city nearest to a target at Paris.
    session()->setTarget(2.35, 48.86);
    EXPECT_TRUE(waitFor([] { return control<QLabel>(form2(), "Label12")->text() == QStringLiteral("Paris"); }))
        << control<QLabel>(form2(), "Label12")->text().toStdString();

    // The beam map, made from the installed world map for the own station, kept in the user's folder.
    emit formA()->beamMapRequested();
    EXPECT_TRUE(form10()->beamMapLoaded());
    EXPECT_TRUE(form10()->image()->isVisible());
    EXPECT_TRUE(waitFor([&] { return QFile::exists(userFolder + QStringLiteral("Karten/BeamKarte.bmp")); }));

    // The directions list of the installed rotor program, once the link is up.
    ASSERT_TRUE(waitFor([] { return !form6()->isHidden(); })) << "the rotor panel did not come up";
    mainControl("Feststationen1")->trigger();
    form7()->Neu1Click();
    control<QLineEdit>(form7(), "E_Kennung")->setText(QStringLiteral("BAKE"));
    control<QLineEdit>(form7(), "E_Azimut")->setText(QStringLiteral("45"));
    control<QLineEdit>(form7(), "E_Elevation")->setText(QStringLiteral("0"));
    control<QPushButton>(form7(), "Speichern")->click();
    QFile directions(userFolder + QStringLiteral("Data.txt"));
    ASSERT_TRUE(directions.open(QIODevice::ReadOnly));
    EXPECT_EQ(directions.readAll(), QByteArray("BAKE\t45\t0\r\n"));
    form7()->LoadDirections();
    EXPECT_EQ(control<QListWidget>(form7(), "RG")->count(), 1);

    program.destroyWindows();
    EXPECT_TRUE(QFile::exists(userFolder + QStringLiteral("Corvane.ini")));
    EXPECT_EQ(tree.files(), installedBefore) << "nothing written under the installation";
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
}

}  // namespace
