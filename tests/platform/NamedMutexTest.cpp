// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/NamedMutex.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Restores $XDG_RUNTIME_DIR when the test ends.
class RuntimeFolder {
public:
    RuntimeFolder() : saved_(qgetenv("XDG_RUNTIME_DIR")), wasSet_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) { }
    ~RuntimeFolder()
    {
        if (wasSet_)
            qputenv("XDG_RUNTIME_DIR", saved_);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

private:
    QByteArray saved_;
    bool wasSet_;
};

TEST(NamedMutexTest, LocksLiveInAFolderOnlyTheUserCanWrite)
{
    const RuntimeFolder restore;
    qunsetenv("XDG_RUNTIME_DIR");
    const QFileInfo folder(NamedMutex::lockFolder());
    EXPECT_NE(QDir(folder.filePath()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
    EXPECT_TRUE(folder.isDir());
    const auto others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(folder.permissions() & others);
    EXPECT_EQ(folder.ownerId(), ::getuid());
}

// A lock is free only when its file opens and nobody holds it.
TEST(NamedMutexTest, ALockThatCannotBeOpenedCountsAsTaken)
{
    const RuntimeFolder restore;
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ASSERT_TRUE(QDir(runtime.path()).mkdir(QStringLiteral("Versperrt.lock")));  // opens for no one, root included
    const struct {
        const char* name;
        bool heldElsewhere;
        bool taken;
    } cases[] = {{"Frei", false, false}, {"Gehalten", true, true}, {"Versperrt", false, true}};
    for (const auto& c : cases) {
        NamedMutex other(QString::fromLatin1(c.name));
        if (c.heldElsewhere) {
            ASSERT_TRUE(other.tryLock());
        }
        NamedMutex mutex(QString::fromLatin1(c.name));
        EXPECT_EQ(mutex.tryLock(), !c.taken) << c.name;
    }
}

}  // namespace
