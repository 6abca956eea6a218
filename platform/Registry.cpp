// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/Registry.h"

#include <QSettings>

bool Registry::writeString(const QString& company, const QString& name, const QString& value)
{
    QSettings key(QSettings::NativeFormat, QSettings::UserScope, company);
    if (!key.isWritable())
        return false;
    // A value that is there already is not written again: the write rewrites the whole file.
    if (key.value(name) == QVariant(value))
        return key.status() == QSettings::NoError;
    key.setValue(name, value);
    key.sync();
    return key.status() == QSettings::NoError;
}

QString Registry::readString(const QString& company, const QString& name)
{
    const QSettings key(QSettings::NativeFormat, QSettings::UserScope, company);
    return key.value(name).toString();
}
