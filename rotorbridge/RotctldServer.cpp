// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotctldServer.h"

#include "platform/PortHolder.h"
#include "rotorbridge/FaultLog.h"
#include "rotorbridge/HttpLines.h"
#include "rotorbridge/LineReader.h"
#include "rotorbridge/RotctldSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>

#include <algorithm>

// What the server keeps of one client, owned by its socket.
class RotctldServer::Client : public QObject {
public:
    Client(QTcpSocket* socket, RotctldSession session, QString peer)
        : QObject(socket), session(std::move(session)), peer(std::move(peer))
    {
        sinceHeard.start();
    }
    QTcpSocket* socket() const { return static_cast<QTcpSocket*>(parent()); }

    RotctldSession session;
    QString peer;  // "127.0.0.1:50312", for the log
    LineReader reader;
    QByteArrayList lines;  // read, not yet answered
    QElapsedTimer sinceHeard;  // since the connection or the last whole line
    bool scheduled = false;
};

RotctldServer::RotctldServer(RotorCommands& commands, FaultLog& faults, int model, QString info, int idleMs,
                             QObject* parent)
    : QObject(parent), commands_(commands), faults_(faults), model_(model), info_(std::move(info)), idleMs_(idleMs)
{
    server_.setMaxPendingConnections(maxClients);
    connect(&server_, &QTcpServer::newConnection, this, &RotctldServer::accept);
    // Checked four times per idle time: a silent client goes after 1 to 1.25 idle times.
    idleCheck_.setInterval(std::max(1, idleMs / 4));
    connect(&idleCheck_, &QTimer::timeout, this, &RotctldServer::dropIdle);
}

QString RotctldServer::listenOn(QTcpServer& server, const Endpoint& endpoint)
{
    if (server.listen(endpoint.address, endpoint.port))
        return QString();
    if (server.serverError() == QAbstractSocket::AddressInUseError)
        return PortHolder::taken(PortHolder::Protocol::Tcp, endpoint.address, endpoint.port);
    return server.errorString();
}

QString RotctldServer::listen(const Endpoint& endpoint)
{
    const QString error = listenOn(server_, endpoint);
    if (error.isEmpty())
        idleCheck_.start();
    return error;
}

QList<RotctldServer::Client*> RotctldServer::clients() const
{
    QList<Client*> connected;
    for (Client* client : clients_)
        if (client->socket()->state() == QAbstractSocket::ConnectedState)
            connected << client;
    return connected;
}

int RotctldServer::clientCount() const
{
    return int(clients().size());
}

void RotctldServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        const QList<Client*> present = clients();
        if (present.size() >= maxClients) {
            Client* longestSilent = *std::max_element(present.begin(), present.end(), [](Client* a, Client* b) {
                return a->sinceHeard.elapsed() < b->sinceHeard.elapsed();
            });
            drop(longestSilent->socket(),
                 QCoreApplication::translate(
                     "RotctldServer", "rotctld: alle Plätze belegt, die am längsten stille Verbindung getrennt"));
        }
        socket->setReadBufferSize(readBufferBytes);
        const QString peer = QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
        auto* client = new Client(socket, RotctldSession(commands_, model_, info_, QStringLiteral("rotctld ") + peer), peer);
        clients_ << client;
        connect(client, &QObject::destroyed, this, [this, client] { clients_.removeOne(client); });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, client] { serve(socket, client); });
    }
}

void RotctldServer::drop(QTcpSocket* socket, const QString& why)
{
    faults_.report(why, QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()));
    socket->abort();
    socket->deleteLater();
}

void RotctldServer::dropIdle()
{
    for (Client* client : clients())
        if (client->sinceHeard.elapsed() > idleMs_)
            drop(client->socket(),
                 QCoreApplication::translate("RotctldServer", "rotctld: Client schweigt, Verbindung getrennt"));
}

void RotctldServer::serve(QTcpSocket* socket, Client* client)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    client->scheduled = false;
    if (client->lines.size() < linesPerTurn) {
        const LineReader::Result read = client->reader.feed(socket->read(readBufferBytes));
        if (read.overlong > 0) {
            drop(socket,
                 QCoreApplication::translate("RotctldServer", "rotctld: Zeile länger als %1 Bytes, Verbindung getrennt")
                     .arg(LineReader::maxLine));
            return;
        }
        // Nothing of a connection that carries an HTTP request is acted on, whatever came first.
        if (std::any_of(read.lines.begin(), read.lines.end(), HttpLines::isHttp)) {
            drop(socket,
                 QCoreApplication::translate(
                     "RotctldServer",
                     "rotctld: HTTP-Anfrage (etwa von einer Webseite), nichts ausgeführt, Verbindung getrennt"));
            return;
        }
        if (!read.lines.isEmpty())
            client->sinceHeard.start();
        client->lines.append(read.lines);
    }
    for (int handled = 0; handled < linesPerTurn && !client->lines.isEmpty(); ++handled) {
        const RotctldSession::Reply reply = client->session.answer(client->lines.takeFirst());
        // "RPRT -1" ends a refused command's answer, plain or extended, anywhere in the line's.
        if (reply.text.contains("RPRT -1\n"))
            faults_.report(QCoreApplication::translate("RotctldServer", "rotctld: Befehl abgelehnt"), client->peer);
        socket->write(reply.text);
        if (reply.close) {
            // The answers before a "q" in the same line still go out.
            socket->disconnectFromHost();
            return;
        }
    }
    if (socket->bytesToWrite() > maxUnsentBytes) {
        drop(socket,
             QCoreApplication::translate("RotctldServer",
                                         "rotctld: Client liest seine Antworten nicht, Verbindung getrennt"));
        return;
    }
    // The rest waits for the next turn: the other clients and the status come first.
    if ((!client->lines.isEmpty() || socket->bytesAvailable() > 0) && !client->scheduled) {
        client->scheduled = true;
        QTimer::singleShot(0, socket, [this, socket, client] { serve(socket, client); });
    }
}
