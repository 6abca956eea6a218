// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionsList.h"
#include "rotor/DirectionsFile.h"

#include "base/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace {

// The list file Data.txt in a folder of its own.
class DirectionsFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Data.txt")); }

    void writeBytes(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The list model over the file.
class DirectionsListTest : public DirectionsFileTest {
protected:
    // A list loaded from "relais\t15\t0", "Bake\t300\t0" and a line without TAB, sorted.
    DirectionsList loaded() const
    {
        writeBytes("relais\t15\t0\r\nBake\t300\t0\r\nohne\r\n");
        DirectionsList list;
        EXPECT_EQ(list.load(path()), DirectionsList::Loaded::read);
        return list;
    }
};

// A CR LF file reads and writes back byte for byte: records, lines that follow no record form, and
// Windows-1252 bytes, the unassigned 0x81 too. Any line end reads, and CR LF is written.
TEST_F(DirectionsFileTest, ReadAndWriteKeepEveryByteOfACrLfFile)
{
    const QByteArray crLf = "ABC\r\nBAKE\t-90\t5\r\nRELAIS NORD\t15\t0\r\nX\tnur Azimut\r\n"
                            "Z\xe4hler \x80\x81\t400\t180\r\n\r\n\t\t\r\n";
    // The file, its lines, and the file written from them.
    const std::tuple<QByteArray, QStringList, QByteArray> cases[] = {
        {crLf,
         {"ABC", "BAKE\t-90\t5", "RELAIS NORD\t15\t0", "X\tnur Azimut", QStringLiteral("Zähler €\u0081\t400\t180"), "",
          "\t\t"},
         crLf},
        {"A\t1\t0\nB\t2\t0\rC\t3\t0\r\nD\t4\t0",
         {"A\t1\t0", "B\t2\t0", "C\t3\t0", "D\t4\t0"},
         "A\t1\t0\r\nB\t2\t0\r\nC\t3\t0\r\nD\t4\t0\r\n"},
    };
    for (const auto& [bytes, lines, written] : cases) {
        writeBytes(bytes);
        const auto read = DirectionsFile::read(path());
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, lines);
        DirectionsFile::write(path(), *read);
        EXPECT_EQ(readBytes(), written);
    }
}

// A failed write throws and leaves the old list whole, with no temporary file behind: a character
// without a Windows-1252 form (it would be stored as "?") and a missing folder. A full disk and a
// read-only file are refused by the file replacement that every saved file goes through.
TEST_F(DirectionsFileTest, AFailedWriteKeepsTheOldList)
{
    const QByteArray old = "ALT\t10\t0\r\n";
    const QStringList one {QStringLiteral("NEU\t1\t0")};
    const std::pair<QString, QStringList> cases[] = {
        {path(), QStringList(one) << QStringLiteral("SP\u0141\t2\t0")},
        {dir.filePath(QStringLiteral("fehlt/Data.txt")), one},
    };
    for (const auto& [target, lines] : cases) {
        writeBytes(old);
        EXPECT_THROW(DirectionsFile::write(target, lines), AppError) << target.toStdString();
        EXPECT_EQ(readBytes(), old) << target.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("Data.txt")})
            << target.toStdString();
    }
}

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
    // The row saved (-1: a new record), the record, and the lines after.
    const std::tuple<int, const char*, QStringList> cases[] = {
        {0, "BAKE\t301\t0", {"BAKE\t301\t0", "ohne", "relais\t15\t0"}},
        {-1, "Nord\t5\t10", {"Bake\t300\t0", "Nord\t5\t10", "ohne", "relais\t15\t0"}},
        {3, "zulu\t1\t0", {"Bake\t300\t0", "ohne", "relais\t15\t0", "zulu\t1\t0"}},
        {-1, "aaa\t1\t0", {"aaa\t1\t0", "Bake\t300\t0", "ohne", "relais\t15\t0"}},
    };
    for (const auto& [row, line, expected] : cases)
        EXPECT_EQ(list.withRecord(row, QString::fromLatin1(line)), expected) << line;
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
