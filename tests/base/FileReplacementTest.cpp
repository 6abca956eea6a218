// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/FileReplacement.h"
#include "settings/SettingsFile.h"
#include "base/AppError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A producer of chunks x 64 KiB, each write's count checked; it abandons the content after
// abandonAfter chunks.
std::function<FileReplacement::Produced(QIODevice&)> streamed(int chunks, int abandonAfter = -1)
{
    return [=](QIODevice& file) {
        const QByteArray chunk(64 * 1024, 'B');
        for (int n = 0; n < chunks; ++n) {
            if (n == abandonAfter)
                return FileReplacement::Produced::abandoned;
            if (file.write(chunk) != chunk.size())
                return FileReplacement::Produced::failed;
        }
        return FileReplacement::Produced::whole;
    };
}

class FileReplacementTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Corvane.ini"));

    void writeRaw(const QString& file, const QByteArray& bytes) const
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QByteArray raw() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// On a disk with room for only part of the new content, every writer throws the German reason and
// keeps the old file byte for byte, with no temporary copy left beside it. The small cases stay
// inside Qt's write buffer, whose failed flush Qt itself does not report.
TEST_F(FileReplacementTest, AFullDiskKeepsTheOldFileAndSaysSo)
{
    const QByteArray old("[Main]\r\nLinks=36\r\n[Hilfe]\r\nTop=75\r\n");
    const struct {
        const char* name;
        rlim_t room;  // bytes the disk takes
        std::function<void(SettingsFile&, const QString&)> write;
    } cases[] = {
        {"20 KB value, 4 KiB free", 4096,
         [](SettingsFile& ini, const QString&) { ini.writeString(QStringLiteral("Main"), QStringLiteral("X"), QString(20000, u'v')); }},
        {"small value, buffered", 40,
         [](SettingsFile& ini, const QString&) { ini.writeInteger(QStringLiteral("Beam"), QStringLiteral("Hoch"), 500); }},
        {"nothing free", 0,
         [](SettingsFile& ini, const QString&) { ini.writeBool(QStringLiteral("Main"), QStringLiteral("StayOnTop"), true); }},
        {"2 MB picture, 1 MB free", 1 << 20,
         [](SettingsFile&, const QString& file) {
             FileReplacement::write(file, QByteArray(2 << 20, 'B'), QStringLiteral("Die Beamkarte %1"));
         }},
        {"2 MB streamed in 64 KiB writes, 1 MB free", 1 << 20,
         [](SettingsFile&, const QString& file) { FileReplacement::write(file, streamed(32), QStringLiteral("Die Beamkarte %1")); }},
    };
    for (const auto& c : cases) {
        writeRaw(path, old);
        SettingsFile ini(path);
        QString message;
        {
            const FileSizeLimit full(c.room);
            try {
                c.write(ini, path);
            } catch (const AppError& error) {
                message = error.message();
            }
        }
        EXPECT_TRUE(message.contains(QStringLiteral("Datenträger voll oder Schreibfehler"))) << c.name << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(path)) << c.name;
        EXPECT_EQ(raw(), old) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("Corvane.ini")})
            << c.name;
    }
    // With room again, the same write goes through.
    SettingsFile ini(path);
    ini.writeString(QStringLiteral("Main"), QStringLiteral("X"), QString(20000, u'v'));
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("X"), QString()).size(), 2047);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Hilfe"), QStringLiteral("Top"), 0), 75);
}

TEST_F(FileReplacementTest, AStreamedContentReplacesTheFileOnlyWhenWhole)
{
    const struct {
        const char* name;
        int abandonAfter;  // chunks; -1: never
        bool replaced;
    } cases[] = {{"abandoned at once", 0, false}, {"abandoned halfway", 2, false}, {"whole", -1, true}};
    for (const auto& c : cases) {
        writeRaw(path, "alt");
        EXPECT_EQ(FileReplacement::write(path, streamed(4, c.abandonAfter), QStringLiteral("Die Beamkarte %1")), c.replaced)
            << c.name;
        EXPECT_EQ(raw().size(), c.replaced ? 4 * 64 * 1024 : 3) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Corvane.ini")}) << c.name;
    }
}

TEST_F(FileReplacementTest, TheOwnersWriteBitMarksAFileReadOnlyEvenForRoot)
{
    writeRaw(path, "alt");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::WriteOther);
    EXPECT_TRUE(FileReplacement::isReadOnly(path));
    EXPECT_THROW(FileReplacement::write(path, "neu", QStringLiteral("Die Datei %1")), AppError);
    EXPECT_EQ(raw(), QByteArray("alt"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(FileReplacement::isReadOnly(path));
    EXPECT_FALSE(FileReplacement::isReadOnly(dir.filePath(QStringLiteral("fehlt.txt"))));
}

// Only the copies a killed save leaves, marked as ours, go; a user's look-alike names stay.
TEST_F(FileReplacementTest, LeftoversOfAKilledSaveAreRemovedAndNothingElse)
{
    const struct { const char* name; bool removed; } cases[] = {
        {".Corvane.ini.corvane-neu-a1B2c3", true}, {".Corvane.ini.corvane-neu-000000", true},
        {"Corvane.ini", false}, {"Corvane.ini.bak", false}, {"Corvane.ini.backup", false},
        {"Corvane.ini.a1B2c3", false}, {"Corvane.ini.XXXXXX", false}, {"Corvane.ini.Sicher", false},
        {".Corvane.ini.corvane-neu-a1B2c3d", false}, {".Corvane.ini.corvane-neu-a1-2c3", false},
        {".corvane.ini.corvane-neu-a1B2c3", false}, {".Data.txt.corvane-neu-a1B2c3", false},
        {"Data.txt.Sicher", false},
    };
    for (const auto& c : cases)
        writeRaw(dir.filePath(QString::fromLatin1(c.name)), "x");
    QDir(dir.path()).mkdir(QStringLiteral(".Corvane.ini.corvane-neu-folder"));
    QFile::link(dir.filePath(QStringLiteral("Corvane.ini")),
                dir.filePath(QStringLiteral(".Corvane.ini.corvane-neu-linked")));
    EXPECT_EQ(FileReplacement::removeLeftovers(path), 2);
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromLatin1(c.name))), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".Corvane.ini.corvane-neu-folder"))).isDir());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".Corvane.ini.corvane-neu-linked"))).isSymLink());
}

} // namespace
