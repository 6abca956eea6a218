// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Version and file date of the running program, as the about card shows them.
class VersionInfo {
public:
    // The program's version, set by the build; empty when the build gave none.
    static QString ReadFileVersion();

    // Local date of the file's last modification; invalid when the file cannot be read.
    static QDate fileDate(const QString& path);

    // "Version: <version> vom / dated <date>", the date in the locale's short format.
    static QString versionLine(const QString& version, const QDate& date, const QLocale& locale);
};
