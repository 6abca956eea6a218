// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BoundedSslServer.h"

#include <QSslSocket>

BoundedSslServer::BoundedSslServer(const QSslConfiguration& configuration, qint64 maxBytes, ByteBound::Cut cut,
                                   QObject* parent)
    : QSslServer(parent)
{
    setSslConfiguration(configuration);
    setHandshakeTimeout(handshakeMs);
    // Counted from the handshake on, before the HTTP server takes the connection.
    connect(this, &QSslServer::startedEncryptionHandshake, this,
            [maxBytes, cut](QSslSocket* socket) { ByteBound::watch(socket, maxBytes, cut); });
}
