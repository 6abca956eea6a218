// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusServiceWatcher;

// The client side of a DDE conversation on the session bus. The conversation is open while the
// server's bus name has an owner; when the owner goes, closed() is emitted.
class DdeClientConversation : public QObject {
    Q_OBJECT
public:
    explicit DdeClientConversation(QDBusConnection bus, QObject* parent = nullptr);

    // Opens the conversation to (service, topic); false when no server answers, in which case a
    // conversation already open stays open. Service names match without regard to letter case,
    // as DDE service names do.
    bool connectTo(const QString& service, const QString& topic);
    // Ends the conversation from this side; closed() is not emitted.
    void disconnectFromServer();
    bool isConnected() const { return !busName_.isEmpty(); }
    // The bus connection of the server program (its unique name); empty while not connected.
    const QString& serverConnection() const { return serverConnection_; }

    // Starts an execute transaction without waiting for the server's answer. True only means
    // that the transaction was started.
    bool executeAsync(const QString& macro);

signals:
    void closed();

private:
    QString ownedBusName(const QString& service) const;

    QDBusConnection bus_;
    QDBusServiceWatcher* watcher_;
    QString busName_;  // empty while no conversation is open
    QString serverConnection_;
    QString path_;
};
