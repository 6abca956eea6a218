// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BoundedTcpServer.h"

#include <QTcpSocket>

#include <memory>

BoundedTcpServer::BoundedTcpServer(qint64 maxBytes, QObject* parent) : QTcpServer(parent), maxBytes_(maxBytes)
{
}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
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
    addPendingConnection(socket);
}
