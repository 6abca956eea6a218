// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

#include <functional>

class QDBusServiceWatcher;

// A DDE server for one service and one topic on the session bus. Every incoming execute
// transaction goes to the handler; its result is the acknowledgement: false answers with an
// error reply (a negative acknowledgement).
class DdeServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "dde.Conversation")
public:
    // sender: the bus's unique name of the calling program; macro: the text of the transaction.
    using ExecuteHandler = std::function<bool(const QString& sender, const QString& macro)>;

    DdeServer(QDBusConnection bus, QString service, QString topic, ExecuteHandler handler, QObject* parent = nullptr);
    ~DdeServer() override;

    // Offers (service, topic) to other programs. False when the bus is unreachable or another
    // program already owns the service.
    bool registerService();
    void unregisterService();
    bool isRegistered() const { return registered_; }

public slots:
    // The D-Bus method; called by the bus, not by this program.
    Q_SCRIPTABLE void Execute(const QString& macro);

signals:
    // A program that had sent transactions here has left the bus: its conversation is over.
    void conversationClosed(const QString& sender);

private:
    QDBusConnection bus_;
    QString busName_;
    QString path_;
    ExecuteHandler handler_;
    QDBusServiceWatcher* partners_;
    bool registered_ = false;
};
