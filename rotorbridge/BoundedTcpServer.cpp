// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BoundedTcpServer.h"

#include <QTcpSocket>

#include <utility>

BoundedTcpServer::BoundedTcpServer(qint64 maxBytes, ByteBound::Cut cut, QObject* parent)
    : QTcpServer(parent), maxBytes_(maxBytes), cut_(std::move(cut))
{
}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    ByteBound::watch(socket, maxBytes_, cut_);
    addPendingConnection(socket);
}
