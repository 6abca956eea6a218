// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "startup/ProgramLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

#include <unistd.h>

namespace {

// A throw-away tree with an installation (program folder and data folder at the relative place
// the build sets) and a user's home.
class ProgramLayoutTest : public testing::Test {
protected:
    QTemporaryDir root;
    QString home = root.path() + QStringLiteral("/home/");
    QString program = root.path() + QStringLiteral("/usr/lib/corvane/");
    QString data = QDir::cleanPath(program + ProgramLayout::installedDataFromProgram) + u'/';
    QString user = home + QStringLiteral(".local/share/Corvane/");  // the default user folder

    void make(const QString& folder) { ASSERT_TRUE(QDir().mkpath(folder)); }
    QProcessEnvironment environment(const QString& xdgDataHome = QString()) const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), home);
        if (!xdgDataHome.isNull())
            environment.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
        return environment;
    }
};

TEST_F(ProgramLayoutTest, MapsBesideTheExecutableMakeAPortableFolderElseTheInstallationsDataIsRead)
{
    // Karten beside the executable, the installation's data there, and whether that is an installed copy.
    const std::tuple<const char*, bool, bool, bool> cases[] = {
        {"portable folder", true, false, false},
        {"installed copy", false, true, true},
        {"portable folder inside an installation's tree", true, true, false},
        {"neither: as today, read and written beside the executable", false, false, false},
    };
    for (const auto& [name, kartenBeside, installedData, installed] : cases) {
        SCOPED_TRACE(name);
        QDir(root.path() + QStringLiteral("/usr")).removeRecursively();
        make(program);
        if (kartenBeside)
            make(program + QStringLiteral("Karten"));
        if (installedData)
            make(data + QStringLiteral("Karten"));
        const ProgramLayout layout = ProgramLayout::of(program, environment());
        EXPECT_EQ(layout.installed(), installed);
        EXPECT_EQ(layout.programFolder(), program);
        EXPECT_EQ(layout.dataFolder(), installed ? data : program);
        EXPECT_EQ(layout.writableFolder(), installed ? user : program);
    }
}

TEST_F(ProgramLayoutTest, TheUserFolderFollowsXdgDataHomeWhenItIsAbsolute)
{
    // XDG_DATA_HOME (null: unset) and the folder it gives.
    const std::tuple<const char*, QString, QString> cases[] = {
        {"unset", QString(), user},
        {"empty", QStringLiteral(""), user},
        {"relative, which the rules call invalid", QStringLiteral("daten"), user},
        {"absolute, with a trailing slash", root.path() + QStringLiteral("/xdg/"),
         root.path() + QStringLiteral("/xdg/Corvane/")},
    };
    for (const auto& [name, xdgDataHome, expected] : cases)
        EXPECT_EQ(ProgramLayout::userFolder(environment(xdgDataHome)), expected) << name;
}

TEST_F(ProgramLayoutTest, OnlyTheUserFolderIsCreatedAPortableFolderStaysAsItIs)
{
    make(program);
    make(data + QStringLiteral("Karten"));
    const ProgramLayout installed = ProgramLayout::of(program, environment());
    ASSERT_TRUE(installed.makeWritableFolder());
    EXPECT_TRUE(QDir(user + QStringLiteral("Karten")).exists());
    const QString portable = root.path() + QStringLiteral("/tragbar/");
    make(portable);
    ASSERT_TRUE(ProgramLayout::of(portable, environment()).makeWritableFolder());
    EXPECT_EQ(QDir(portable).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(ProgramLayoutTest, APortableFolderTheUserCannotWriteSendsTheFilesToTheUserFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    const QString portable = root.path() + QStringLiteral("/schreibgeschuetzt/");
    make(portable + QStringLiteral("Karten"));
    ASSERT_TRUE(QFile::setPermissions(portable, QFile::ReadOwner | QFile::ExeOwner));
    const ProgramLayout layout = ProgramLayout::of(portable, environment());
    QFile::setPermissions(portable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(layout.installed());
    EXPECT_EQ(layout.dataFolder(), portable);
    EXPECT_EQ(layout.writableFolder(), user);
}

}  // namespace
