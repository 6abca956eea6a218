// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/ProgramLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    struct Case {
        const char* name;
        bool kartenBeside;
        bool installedData;
        bool installed;
    };
    const Case cases[] = {
        {"portable folder", true, false, false},
        {"installed copy", false, true, true},
        {"portable folder inside an installation's tree", true, true, false},
        {"neither: as today, read and written beside the executable", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(root.path() + QStringLiteral("/usr")).removeRecursively();
        make(program);
        if (c.kartenBeside)
            make(program + QStringLiteral("Karten"));
        if (c.installedData)
            make(data + QStringLiteral("Karten"));
        const ProgramLayout layout = ProgramLayout::of(program, environment());
        EXPECT_EQ(layout.installed(), c.installed);
        EXPECT_EQ(layout.programFolder(), program);
        EXPECT_EQ(layout.dataFolder(), c.installed ? data : program);
        EXPECT_EQ(layout.writableFolder(), c.installed ? home + QStringLiteral(".local/share/Corvane/") : program);
    }
}

TEST_F(ProgramLayoutTest, TheUserFolderFollowsXdgDataHomeWhenItIsAbsolute)
{
    struct Case {
        const char* name;
        QString xdgDataHome;  // null: unset
        QString expected;
    };
    const Case cases[] = {
        {"unset", QString(), home + QStringLiteral(".local/share/Corvane/")},
        {"empty", QStringLiteral(""), home + QStringLiteral(".local/share/Corvane/")},
        {"relative, which the rules call invalid", QStringLiteral("daten"), home + QStringLiteral(".local/share/Corvane/")},
        {"absolute, with a trailing slash", root.path() + QStringLiteral("/xdg/"), root.path() + QStringLiteral("/xdg/Corvane/")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ProgramLayout::userFolder(environment(c.xdgDataHome)), c.expected);
    }
}

TEST_F(ProgramLayoutTest, OnlyTheUserFolderIsCreatedAPortableFolderStaysAsItIs)
{
    make(program);
    make(data + QStringLiteral("Karten"));
    const ProgramLayout installed = ProgramLayout::of(program, environment());
    ASSERT_TRUE(installed.makeWritableFolder());
    EXPECT_TRUE(QDir(home + QStringLiteral(".local/share/Corvane/Karten")).exists());
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
    EXPECT_EQ(layout.writableFolder(), home + QStringLiteral(".local/share/Corvane/"));
}

} // namespace
