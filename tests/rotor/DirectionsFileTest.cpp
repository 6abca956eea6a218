// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionsFile.h"

#include "base/AppError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

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

TEST_F(DirectionsFileTest, ReadAndWriteKeepEveryByteOfACrLfFile)
{
    // Records, lines that follow no record form, and Windows-1252 bytes, the unassigned 0x81 too.
    const QByteArray bytes = "ABC\r\nBAKE\t-90\t5\r\nRELAIS NORD\t15\t0\r\nX\tnur Azimut\r\n"
                             "Z\xe4hler \x80\x81\t400\t180\r\n\r\n\t\t\r\n";
    writeBytes(bytes);
    const auto lines = DirectionsFile::read(path());
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 7);
    EXPECT_EQ(lines->at(4), QStringLiteral("Zähler €\u0081\t400\t180"));
    DirectionsFile::write(path(), *lines);
    EXPECT_EQ(readBytes(), bytes);
}

TEST_F(DirectionsFileTest, AnyLineEndReadsAndCrLfIsWritten)
{
    writeBytes("A\t1\t0\nB\t2\t0\rC\t3\t0\r\nD\t4\t0");
    const auto lines = DirectionsFile::read(path());
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (QStringList{QStringLiteral("A\t1\t0"), QStringLiteral("B\t2\t0"), QStringLiteral("C\t3\t0"),
                                   QStringLiteral("D\t4\t0")}));
    DirectionsFile::write(path(), *lines);
    EXPECT_EQ(readBytes(), QByteArray("A\t1\t0\r\nB\t2\t0\r\nC\t3\t0\r\nD\t4\t0\r\n"));
}

TEST_F(DirectionsFileTest, AMissingFileIsNoListAndAnUnreadableOneIsAnError)
{
    EXPECT_FALSE(DirectionsFile::read(path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Data.txt")));  // exists, cannot be read as a file
    EXPECT_THROW(DirectionsFile::read(path()), AppError);
}

// A failed write throws and leaves the old list whole, with no temporary file behind: a character
// without a Windows-1252 form (it would be stored as "?"), a missing folder, a full disk, and a
// read-only file (the owner's write bit, also for root), refused like the settings file.
TEST_F(DirectionsFileTest, AFailedWriteKeepsTheOldList)
{
    const QByteArray old = "ALT\t10\t0\r\n";
    const QStringList one {QStringLiteral("NEU\t1\t0")};
    const struct { const char* what; std::function<void()> write; const char* says; } cases[] = {
        {"no Windows-1252 form",
         [&] { DirectionsFile::write(path(), QStringList(one) << QStringLiteral("SP\u0141\t2\t0")); }, ""},
        {"missing folder", [&] { DirectionsFile::write(dir.filePath(QStringLiteral("fehlt/Data.txt")), one); }, ""},
        {"full disk",
         [&] {
             const FileSizeLimit full(1000);
             DirectionsFile::write(path(), QStringList(500, QStringLiteral("NEUER EINTRAG\t123.4\t5")));
         },
         "Datenträger voll oder Schreibfehler"},
        {"read-only",
         [&] {
             QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteGroup | QFile::WriteOther);
             DirectionsFile::write(path(), one);
         },
         ""},
    };
    for (const auto& c : cases) {
        writeBytes(old);
        try {
            c.write();
            ADD_FAILURE() << c.what << ": taken for a success";
        } catch (const AppError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.says))) << c.what << ": " << error.what();
        }
        EXPECT_EQ(readBytes(), old) << c.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("Data.txt")})
            << c.what;
    }
}

} // namespace
