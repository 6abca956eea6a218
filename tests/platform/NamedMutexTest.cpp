// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/NamedMutex.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Restores $XDG_RUNTIME_DIR when the test ends.
auto runtimeFolderRestored()
{
    return qScopeGuard([saved = qgetenv("XDG_RUNTIME_DIR"), wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")] {
        if (wasSet)
            qputenv("XDG_RUNTIME_DIR", saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    });
}

TEST(NamedMutexTest, LocksLiveInAFolderOnlyTheUserCanWrite)
{
    const auto restore = runtimeFolderRestored();
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
    const auto restore = runtimeFolderRestored();
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ASSERT_TRUE(QDir(runtime.path()).mkdir(QStringLiteral("Versperrt.lock")));  // opens for no one, root included
    const struct {
        const char* name;
        bool heldElsewhere, taken;
    } cases[] = {{"Frei", false, false}, {"Gehalten", true, true}, {"Versperrt", false, true}};
    for (const auto& c : cases) {
        NamedMutex other(QString::fromLatin1(c.name));
        ASSERT_TRUE(!c.heldElsewhere || other.tryLock());
        NamedMutex mutex(QString::fromLatin1(c.name));
        EXPECT_EQ(mutex.tryLock(), !c.taken) << c.name;
    }
}

}  // namespace
