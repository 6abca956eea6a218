// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/ByteBound.h"

#include <QTcpSocket>

#include <memory>
#include <utility>

void ByteBound::watch(QTcpSocket* socket, qint64 maxBytes, Cut cut)
{
    struct Count {
        qint64 bytes = 0;
        bool cut = false;
    };
    auto count = std::make_shared<Count>();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, maxBytes, count, cut = std::move(cut)] {
        if (count->cut) {
            socket->readAll();
            return;
        }
        count->bytes += socket->bytesAvailable();
        if (count->bytes > maxBytes) {
            count->cut = true;
            cut(socket->peerAddress());
            // Read away here, so the HTTP server finds nothing more, and closed once it is done.
            socket->readAll();
            QMetaObject::invokeMethod(socket, &QTcpSocket::abort, Qt::QueuedConnection);
        }
    });
}
