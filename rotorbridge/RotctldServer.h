// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/Endpoint.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

class FaultLog;
class QTcpSocket;
class RotorCommands;

// The rotctld-compatible TCP server: every client has its own RotctldSession, its lines read
// bounded (LineReader) and a bounded number handled per turn of the event loop, so that a flood
// holds up neither the other clients nor the rotor's status. A client that never speaks costs its
// connection only; one that stops reading its answers is dropped once they pile up.
class RotctldServer : public QObject {
    Q_OBJECT
public:
    static constexpr int maxClients = 16;
    static constexpr int linesPerTurn = 64;              // lines of one client before the others' turn
    static constexpr qint64 maxUnsentBytes = 64 * 1024;  // answers a client may leave unread

    // model, info: what \dump_state and get_info report.
    RotctldServer(RotorCommands& commands, FaultLog& faults, int model, QString info, QObject* parent = nullptr);

    // Returns why the endpoint cannot be served, empty on success.
    QString listen(const Endpoint& endpoint);
    quint16 port() const { return server_.serverPort(); }
    int clientCount() const;

private:
    class Client;
    void accept();
    void serve(QTcpSocket* socket, Client* client);

    RotorCommands& commands_;
    FaultLog& faults_;
    int model_;
    QString info_;
    QTcpServer server_;
};
