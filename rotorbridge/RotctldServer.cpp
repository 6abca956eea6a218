// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotctldServer.h"

#include "rotorbridge/FaultLog.h"
#include "rotorbridge/LineReader.h"
#include "rotorbridge/RotctldSession.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

// What the server keeps of one client, owned by its socket.
class RotctldServer::Client : public QObject {
public:
    Client(QTcpSocket* socket, RotctldSession session) : QObject(socket), session(std::move(session)) { }
    RotctldSession session;
    LineReader reader;
    QByteArrayList lines;  // read, not yet answered
    bool scheduled = false;
};

namespace {

constexpr qint64 readChunk = 4096;  // bytes read from one client per turn

}  // namespace

RotctldServer::RotctldServer(RotorCommands& commands, FaultLog& faults, int model, QString info, QObject* parent)
    : QObject(parent), commands_(commands), faults_(faults), model_(model), info_(std::move(info))
{
    server_.setMaxPendingConnections(maxClients);
    connect(&server_, &QTcpServer::newConnection, this, &RotctldServer::accept);
}

QString RotctldServer::listen(const Endpoint& endpoint)
{
    if (!server_.listen(endpoint.address, endpoint.port))
        return server_.errorString();
    return QString();
}

int RotctldServer::clientCount() const
{
    return int(server_.findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly).size());
}

void RotctldServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        const QString name =
            QStringLiteral("rotctld %1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (clientCount() > maxClients) {
            faults_.report(QStringLiteral("rotctld: zu viele Clients, Verbindung abgewiesen"), name);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto* client = new Client(socket, RotctldSession(commands_, model_, info_, name));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, client] { serve(socket, client); });
    }
}

void RotctldServer::serve(QTcpSocket* socket, Client* client)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    client->scheduled = false;
    const QString name = socket->peerAddress().toString() + u':' + QString::number(socket->peerPort());
    if (client->lines.size() < linesPerTurn) {
        const LineReader::Result read = client->reader.feed(socket->read(readChunk));
        client->lines.append(read.lines);
        for (int i = 0; i < read.overlong; ++i) {
            faults_.report(QStringLiteral("rotctld: Zeile länger als %1 Bytes").arg(LineReader::maxLine), name);
            socket->write(RotctldSession::report(RotctldSession::invalid));
        }
    }
    for (int handled = 0; handled < linesPerTurn && !client->lines.isEmpty(); ++handled) {
        const RotctldSession::Reply reply = client->session.answer(client->lines.takeFirst());
        if (reply.close) {
            socket->disconnectFromHost();
            return;
        }
        if (reply.text.startsWith("RPRT -1"))
            faults_.report(QStringLiteral("rotctld: Befehl abgelehnt"), name);
        socket->write(reply.text);
    }
    if (socket->bytesToWrite() > maxUnsentBytes) {
        faults_.report(QStringLiteral("rotctld: Client liest seine Antworten nicht, Verbindung getrennt"), name);
        socket->abort();
        return;
    }
    // The rest waits for the next turn: the other clients and the status come first.
    if ((!client->lines.isEmpty() || socket->bytesAvailable() > 0) && !client->scheduled) {
        client->scheduled = true;
        QTimer::singleShot(0, socket, [this, socket, client] { serve(socket, client); });
    }
}
