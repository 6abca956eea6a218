// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The settings file as a hand-edited or damaged file may hold it. Properties: a string read is
// one line of at most 2047 characters; a write of one key reads back exactly and leaves the
// value of another key as it was.
#include "FuzzCheck.h"
#include "FuzzFolder.h"

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzFolder::instance().write(QStringLiteral("Corvane.ini"),
                                                      QByteArray(reinterpret_cast<const char*>(data), int(size)));
    SettingsFile ini(path);
    const QString links = ini.readString(QStringLiteral("Main"), QStringLiteral("Links"), QStringLiteral("<fehlt>"));
    FUZZ_CHECK(links.size() <= SettingsFile::maxStringLength);
    FUZZ_CHECK(!links.contains(u'\r') && !links.contains(u'\n'));
    const int integer = ini.readInteger(QStringLiteral("Main"), QStringLiteral("Links"), 36);
    int parsed = 0;
    FUZZ_CHECK(integer == (SettingsFile::parseInteger(links, parsed) ? parsed : 36));

    ini.writeString(QStringLiteral("Hilfe"), QStringLiteral("Höhe"), QStringLiteral("600 ä"));
    FUZZ_CHECK(ini.readString(QStringLiteral("hilfe"), QStringLiteral("HÖHE"), QString()) == QStringLiteral("600 ä"));
    FUZZ_CHECK(ini.readString(QStringLiteral("Main"), QStringLiteral("Links"), QStringLiteral("<fehlt>")) == links);
    return 0;
}
