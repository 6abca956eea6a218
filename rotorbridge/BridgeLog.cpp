// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BridgeLog.h"

#include "platform/XdgFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

BridgeLog::BridgeLog(QString path)
    : path_(std::move(path))
{
}

QString BridgeLog::defaultPath()
{
    return XdgFolder::base("XDG_STATE_HOME", ".local/state") + QStringLiteral("/Corvane/CorvaneRotor.log");
}

void BridgeLog::write(const QString& text)
{
    QTextStream(stderr) << "CorvaneRotor: " << text << Qt::endl;
    if (path_.isEmpty())
        return;
    // A log that cannot be written must not stop the rotor: failures here are only lost lines.
    QDir().mkpath(QFileInfo(path_).path());
    if (QFileInfo(path_).size() >= rotateBytes) {
        QFile::remove(path_ + QStringLiteral(".1"));
        QFile::rename(path_, path_ + QStringLiteral(".1"));
    }
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QByteArray line = (QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + u' ' + text + u'\n').toUtf8();
    file.write(line);
}
