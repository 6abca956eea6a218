// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BoundedTcpServer.h"

#include <QSslSocket>

#include <memory>

BoundedTcpServer::BoundedTcpServer(qint64 maxBytes, QObject* parent) : QSslServer(parent), maxBytes_(maxBytes)
{
    // An encrypted connection is counted from its handshake on, before the HTTP server takes it.
    connect(this, &QSslServer::startedEncryptionHandshake, this, [this](QSslSocket* socket) { bound(socket); });
}

void BoundedTcpServer::encrypt(const QSslConfiguration& configuration)
{
    setSslConfiguration(configuration);
    setHandshakeTimeout(handshakeMs);
    encrypted_ = true;
}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    if (encrypted_) {
        QSslServer::incomingConnection(descriptor);
        return;
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    bound(socket);
    addPendingConnection(socket);
}

void BoundedTcpServer::bound(QTcpSocket* socket)
{
    // Connected before the HTTP server takes the socket, so this runs first at every arrival and
    // sees what came before it is read away.
    struct Count {
        qint64 bytes = 0;
        bool cut = false;
    };
    auto count = std::make_shared<Count>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, count] {
        if (count->cut) {
            socket->readAll();
            return;
        }
        count->bytes += socket->bytesAvailable();
        if (count->bytes > maxBytes_) {
            count->cut = true;
            emit cut(socket->peerAddress());
            // Read away here, so the HTTP server finds nothing more, and closed once it is done.
            socket->readAll();
            QMetaObject::invokeMethod(socket, &QTcpSocket::abort, Qt::QueuedConnection);
        }
    });
}
