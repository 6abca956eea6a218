// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/Endpoint.h"

#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>

class FaultLog;
class QTcpSocket;
class RotorCommands;

// The rotctld-compatible TCP server: every client has its own RotctldSession, its lines read
// bounded (LineReader, a few KiB of socket buffer) and a bounded number handled per turn of the
// event loop, so that a flood holds up neither the other clients nor the rotor's status. A client
// that sends an over-long line, an HTTP request (a browser's form), or stops reading its answers
// is dropped; one that says nothing for the idle time is dropped too, and when every place is
// taken the longest silent one makes room for a newcomer, so idle connections never lock out the
// clients that poll.
class RotctldServer : public QObject {
    Q_OBJECT
public:
    static constexpr int maxClients = 16;
    static constexpr int linesPerTurn = 64;              // lines of one client before the others' turn
    static constexpr qint64 maxUnsentBytes = 64 * 1024;  // answers a client may leave unread
    static constexpr qint64 readBufferBytes = 4096;      // bytes taken from the system per client and turn
    // Rotctld clients poll every few seconds; a minute without a whole line is no client. ms
    static constexpr int defaultIdleMs = 60000;

    // model, info: what \dump_state and get_info report; idleMs: silence after which a client is
    // dropped (tests shorten it).
    RotctldServer(RotorCommands& commands, FaultLog& faults, int model, QString info, int idleMs = defaultIdleMs,
                  QObject* parent = nullptr);

    // Returns why the endpoint cannot be served (a port taken: by whom), empty on success.
    QString listen(const Endpoint& endpoint);
    // Opens a TCP server on the endpoint as this server opens its own; returns why not.
    static QString listenOn(QTcpServer& server, const Endpoint& endpoint);
    quint16 port() const { return server_.serverPort(); }
    int clientCount() const;

private:
    class Client;
    QList<Client*> clients() const;
    void accept();
    void serve(QTcpSocket* socket, Client* client);
    // Drops the clients silent for longer than the idle time.
    void dropIdle();
    // Drops a client with a line for the log.
    void drop(QTcpSocket* socket, const QString& why);

    RotorCommands& commands_;
    FaultLog& faults_;
    int model_;
    QString info_;
    int idleMs_;
    // Each owned by its socket, until the socket goes; declared before the server, whose sockets
    // take themselves out of it as they go.
    QList<Client*> clients_;
    QTcpServer server_;
    QTimer idleCheck_;
};
