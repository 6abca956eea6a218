// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/SettingsFile.h"
#include "base/AppError.h"
#include "support/RandomBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <tuple>

#include <sys/stat.h>

namespace {

// The file's inode (of a link itself): a replaced file has a new one.
ino_t inodeOf(const QString& path)
{
    struct stat status { };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

class SettingsFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/Corvane.ini");
    SettingsFile ini {path};

    void writeRaw(const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray raw() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SettingsFileTest, IntegerValuesAndFallbacks)
{
    using Cases = std::initializer_list<std::pair<const char*, int>>;  // 77 is the default
    const Cases cases = {
        {"42", 42},    {"-17", -17}, {"+5", 5},          {"0x1F", 31},  {"0X1f", 31}, {"$FF", 255},
        {"-$10", -16}, {" 9 ", 9},   {"2147483648", 77}, {"12abc", 77}, {"", 77},     {"yes", 77},
        {"1.5", 77},   {"0x", 77},   {"$", 77},          {"--3", 77},
    };
    const Cases limits = {{"0xFFFFFF", 16777215}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}};
    for (const Cases& table : {cases, limits})
        for (const auto& [text, expected] : table) {
            writeRaw(QByteArray("[Main]\r\nWert=") + text + "\r\n");
            EXPECT_EQ(SettingsFile(path).readInteger("Main", "Wert", 77), expected) << text;
        }
}

TEST_F(SettingsFileTest, BooleanValues)
{
    const std::tuple<const char*, bool, bool> cases[] = {
        {"1", false, true},  {"0", true, false},    {"2", false, true}, {"-1", false, true},
        {"yes", true, true}, {"yes", false, false}, {"", true, true},   {"true", false, false},
    };
    for (const auto& [text, defaultValue, expected] : cases) {
        writeRaw(QByteArray("[Main]\r\nStayOnTop=") + text + "\r\n");
        EXPECT_EQ(SettingsFile(path).readBool("Main", "StayOnTop", defaultValue), expected) << text;
    }
}

TEST_F(SettingsFileTest, NamesMatchWithoutCaseAndStringsFollowTheirRules)
{
    writeRaw("; comment\r\n[mercator]\r\nAKTUELLE KARTE=\r\nHoch = 300 \r\n[Parameter]\r\n"
             "Staedte/Inseln_EIN_AUS=0\r\nAnzeige Staedte/Inseln Durchmesser=4\r\n");
    EXPECT_EQ(ini.readString("Mercator", "aktuelle Karte", "Welt"), QString());
    EXPECT_EQ(ini.readString("Mercator", "Fehlt", "Welt"), QStringLiteral("Welt"));
    EXPECT_EQ(ini.readInteger("MERCATOR", "hoch", 0), 300);
    EXPECT_EQ(ini.readInteger("Parameter", "Staedte/Inseln_EIN_AUS", 1), 0);
    EXPECT_EQ(ini.readInteger("Parameter", "Anzeige Staedte/Inseln Durchmesser", 3), 4);
    EXPECT_EQ(ini.readInteger("Beam", "Hoch", 500), 500);
}

TEST_F(SettingsFileTest, LongStringsAreCutTo2047Characters)
{
    ini.writeString("Main", "Lang", QString(3000, u'x'));
    EXPECT_EQ(ini.readString("Main", "Lang", QString()).size(), 2047);
}

TEST_F(SettingsFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt)
{
    EXPECT_EQ(ini.readInteger("Main", "Links", 36), 36);
    EXPECT_FALSE(QFile::exists(path));
    ini.writeInteger("Main", "Links", 12);
    EXPECT_EQ(raw(), QByteArray("[Main]\r\nLinks=12\r\n"));
}

TEST_F(SettingsFileTest, UmlautKeysAreWindows1252OnDiskAndRoundTrip)
{
    ini.writeString("Locator", "U_Länge", "7,0417");
    ini.writeInteger("Hilfe", "Höhe", 600);
    EXPECT_EQ(raw(), QByteArray("[Locator]\r\nU_L\xE4nge=7,0417\r\n[Hilfe]\r\nH\xF6he=600\r\n"));
    EXPECT_EQ(ini.readString("Locator", "U_LÄNGE", QString()), QStringLiteral("7,0417"));
    EXPECT_EQ(ini.readInteger("hilfe", "Höhe", 0), 600);
}

TEST_F(SettingsFileTest, WritesReplaceInPlaceAndKeepOtherLinesByteExact)
{
    writeRaw("[Main]\r\nLinks=1\r\n; keep me \x80\x81\r\n\r\n[Beam]\r\nZoom=3\r\n");
    ini.writeInteger("main", "LINKS", 2);
    ini.writeInteger("Main", "Oben", 5);
    ini.writeInteger("Beam", "Hoch", 500);
    EXPECT_EQ(raw(), "[Main]\r\nLINKS=2\r\n; keep me \x80\x81\r\nOben=5\r\n\r\n[Beam]\r\nZoom=3\r\nHoch=500\r\n");
}

TEST_F(SettingsFileTest, ASectionOrKeyHeldTwiceReadsAndWritesTheFirst)
{
    // The file, and what "Höhe" in [Hilfe] reads before the write.
    const std::pair<const char*, const char*> cases[] = {
        {"[Hilfe]\r\nH\xF6he=1\r\n[Main]\r\n[Hilfe]\r\nH\xF6he=2\r\n", "1"},
        {"[Hilfe]\r\nH\xF6he=1\r\nH\xF6he=2\r\n", "1"},
        {"[Hilfe]\r\nTop=5\r\n[HILFE]\r\nH\xF6he=2\r\n", "2"},
    };
    for (const auto& [text, before] : cases) {
        SCOPED_TRACE(text);
        writeRaw(text);
        SettingsFile file(path);
        EXPECT_EQ(file.readString("Hilfe", "Höhe", QString()), QLatin1String(before));
        file.writeString("Hilfe", "Höhe", "600 ä");
        EXPECT_EQ(file.readString("hilfe", "HÖHE", QString()), QStringLiteral("600 ä"));
        EXPECT_EQ(SettingsFile(path).readString("hilfe", "HÖHE", QString()), QStringLiteral("600 ä"));
    }
}

TEST_F(SettingsFileTest, LineBreaksInValuesCannotForgeKeys)
{
    ini.writeString("Mercator", "aktuelle Karte", "Welt\r\n[Main]\r\nLinks=9");
    EXPECT_EQ(ini.readInteger("Main", "Links", 36), 36);
}

TEST_F(SettingsFileTest, FailedWriteThrowsAndLeavesTheFileAsItWas)
{
    writeRaw("[Main]\r\nLinks=1\r\n");
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_THROW(ini.writeInteger("Main", "Links", 2), AppError);
    EXPECT_EQ(raw(), QByteArray("[Main]\r\nLinks=1\r\n"));
    SettingsFile inMissingFolder(dir.path() + QStringLiteral("/fehlt/Corvane.ini"));
    EXPECT_THROW(inMissingFolder.writeInteger("Main", "Links", 2), AppError);
}

// The file is replaced only when a value changes, and while writes are held only at flush().
TEST_F(SettingsFileTest, OnlyChangesReachTheFileAndHeldWritesGoOnce)
{
    const std::tuple<const char*, std::function<void(SettingsFile&)>, bool> cases[] = {
        {"the same value", [](SettingsFile& f) { f.writeInteger("main", "LINKS", 1); }, false},
        {"the same bool", [](SettingsFile& f) { f.writeBool("Main", "Links", true); }, false},
        {"a new value", [](SettingsFile& f) { f.writeInteger("Main", "Links", 2); }, true},
        {"a new key", [](SettingsFile& f) { f.writeInteger("Main", "Oben", 1); }, true},
    };
    for (const auto& [what, write, replaced] : cases) {
        writeRaw("[Main]\r\nLinks=1\r\n");
        SettingsFile file(path);
        const ino_t inode = inodeOf(path);
        write(file);
        EXPECT_EQ(inodeOf(path) != inode, replaced) << what;
    }
    writeRaw("[Main]\r\nLinks=1\r\n");
    SettingsFile file(path);
    file.holdWrites();
    const ino_t inode = inodeOf(path);
    for (int window = 0; window < 8; ++window)
        file.writeInteger(QStringLiteral("Fenster%1").arg(window), "Links", window);
    EXPECT_EQ(inodeOf(path), inode) << "nothing written before the flush";
    EXPECT_EQ(file.readInteger("Fenster7", "Links", 0), 7);
    file.flush();
    EXPECT_NE(inodeOf(path), inode);
    EXPECT_EQ(SettingsFile(path).readInteger("Fenster7", "Links", 0), 7);
    const auto flushed = inodeOf(path);
    file.flush();
    EXPECT_EQ(inodeOf(path), flushed) << "nothing left to write";
}

// A file that is there but cannot be read (no read permission, an I/O error on a stick) is never
// rebuilt from nothing; the message names it.
TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNeverWritten)
{
    // What makes the file unreadable; false where that is not possible here.
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"an I/O error on reading", [this] { return QFile::link(QStringLiteral("/proc/self/mem"), path); }},
        {"no read permission",
         [this] {
             writeRaw("[Main]\r\nLinks=1\r\n");
             QFile::setPermissions(path, QFile::WriteOwner);
             return !QFile(path).open(QIODevice::ReadOnly);  // root reads it all the same
         }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        QFile::remove(path);
        if (!make())
            continue;
        const ino_t before = inodeOf(path);
        SettingsFile file(path);
        EXPECT_FALSE(file.isReadable());
        EXPECT_TRUE(file.unreadableMessage().contains(path));
        EXPECT_EQ(file.readInteger("Main", "Links", 36), 36);
        file.writeBool("Main", "StayOnTop", false);
        file.flush();
        EXPECT_EQ(inodeOf(path), before);
    }
    QFile::remove(path);
    EXPECT_TRUE(SettingsFile(path).isReadable()) << "a missing file is a first run";
}

TEST_F(SettingsFileTest, RandomBytesNeverCrashTheReader)
{
    QRandomGenerator random(20261208);
    const QByteArray alphabet("[]=;\r\n \t$0x-+9aZ\xE4\x80\xFF");
    for (int round = 0; round < 300; ++round) {
        writeRaw(randomBytes(random, 400, alphabet));
        SettingsFile ini(path);
        ini.readInteger("Main", "Links", 36);
        ini.readString("x", "", QString());
        ini.writeInteger("Main", "Links", round);
        EXPECT_EQ(ini.readInteger("Main", "Links", -1), round);
    }
}

}  // namespace
