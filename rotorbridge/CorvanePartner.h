// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class BridgeLog;
class RotorCommands;

// Hands a locator from a client to Corvane as the new partner, as if typed into its rotor panel,
// over Corvane's partner interface on the session bus; on Corvane's answer the antenna turns to
// the partner's bearing. Without Corvane the locator is refused in the log.
class CorvanePartner : public QObject {
    Q_OBJECT
public:
    CorvanePartner(QDBusConnection bus, RotorCommands& commands, BridgeLog& log, QObject* parent = nullptr);

    void request(const QString& locator, const QString& client);

private:
    QDBusConnection bus_;
    RotorCommands& commands_;
    BridgeLog& log_;
};
