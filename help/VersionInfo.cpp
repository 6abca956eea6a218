// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/VersionInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#ifndef CORVANE_VERSION
#define CORVANE_VERSION ""
#endif

QString VersionInfo::ReadFileVersion()
{
    return QStringLiteral(CORVANE_VERSION);
}

QDate VersionInfo::fileDate(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() ? file.lastModified().toLocalTime().date() : QDate();
}

QString VersionInfo::versionLine(const QString& version, const QDate& date, const QLocale& locale)
{
    return QCoreApplication::translate("VersionInfo", "Version: %1 vom / dated %2")
        .arg(version, locale.toString(date, QLocale::ShortFormat));
}
