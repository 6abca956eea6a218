// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

// What a listener says of a port this test process holds: "Port 2237 belegt von <its short name>
// (PID <its pid>)", the short name as /proc/self/comm gives it (at most 15 characters).
inline QString takenByThisProcess(quint16 port)
{
    QFile comm(QStringLiteral("/proc/self/comm"));
    const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed() : QString();
    return QStringLiteral("Port %1 belegt von %2 (PID %3)")
        .arg(QString::number(port), name, QString::number(QCoreApplication::applicationPid()));
}
