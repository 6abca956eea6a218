// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/XdgFolder.h"

#include <QDir>

QString XdgFolder::base(const char* variable, const char* belowHome, const QProcessEnvironment& environment)
{
    const QString value = environment.value(QString::fromLatin1(variable));
    if (QDir::isAbsolutePath(value))
        return value;
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    return home + u'/' + QString::fromLatin1(belowHome);
}
