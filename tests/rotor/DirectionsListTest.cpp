// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionsList.h"

#include "base/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DirectionsListTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Data.txt")); }

    void write(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A list loaded from "relais\t15\t0", "Bake\t300\t0" and a line without TAB, sorted.
    DirectionsList loaded() const
    {
        write("relais\t15\t0\r\nBake\t300\t0\r\nohne\r\n");
        DirectionsList list;
        EXPECT_EQ(list.load(path()), DirectionsList::Loaded::read);
        return list;
    }
};

TEST_F(DirectionsListTest, LoadSortsTheLinesAndShowsTheirIdentifiers)
{
    const DirectionsList list = loaded();
    EXPECT_EQ(list.lines(), QStringList({"Bake\t300\t0", "ohne", "relais\t15\t0"}));
    EXPECT_EQ(list.identifiers(), QStringList({"Bake", "", "relais"}));
    EXPECT_EQ(list.identifier(2), QStringLiteral("relais"));
    EXPECT_TRUE(list.loadError().isEmpty());
    EXPECT_FALSE(list.changedSince(path()));
    EXPECT_TRUE(list.changedSince(dir.filePath(QStringLiteral("other.txt"))));
}

TEST_F(DirectionsListTest, SavedRecordsReplaceTheirRowOrGoInAtTheirPlace)
{
    const DirectionsList list = loaded();
    struct Case { int row; const char* line; QStringList expected; };
    const Case cases[] = {
        {0, "BAKE\t301\t0", {"BAKE\t301\t0", "ohne", "relais\t15\t0"}},
        {-1, "Nord\t5\t10", {"Bake\t300\t0", "Nord\t5\t10", "ohne", "relais\t15\t0"}},
        {3, "zulu\t1\t0", {"Bake\t300\t0", "ohne", "relais\t15\t0", "zulu\t1\t0"}},
        {-1, "aaa\t1\t0", {"aaa\t1\t0", "Bake\t300\t0", "ohne", "relais\t15\t0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.withRecord(c.row, QString::fromLatin1(c.line)), c.expected) << c.line;
    EXPECT_EQ(list.withoutRecord(1), QStringList({"Bake\t300\t0", "relais\t15\t0"}));
    EXPECT_EQ(list.withoutRecord(7), list.lines()) << "no such row";
}

TEST_F(DirectionsListTest, AMissingFileKeepsTheLinesAndAnUnreadableOneBlocksSaving)
{
    DirectionsList list = loaded();
    const QStringList held = list.lines();
    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_EQ(list.load(path()), DirectionsList::Loaded::missing);
    EXPECT_EQ(list.lines(), held);
    list.store(path(), list.withoutRecord(0));
    EXPECT_EQ(list.load(path()), DirectionsList::Loaded::read);
    EXPECT_EQ(list.size(), 2);

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data.txt")));  // exists, cannot be read as a file
    EXPECT_EQ(list.load(path()), DirectionsList::Loaded::failed);
    EXPECT_FALSE(list.loadError().isEmpty());
    EXPECT_EQ(list.size(), 2);
    EXPECT_TRUE(list.changedSince(path())) << "a failed load is tried again";
    EXPECT_THROW(list.store(path(), {}), AppError);
    EXPECT_TRUE(QFileInfo(path()).isDir()) << "nothing written";
}

}  // namespace
