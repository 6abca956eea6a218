// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PortTrial.h"

#include "rotorbridge/DatagramPort.h"
#include "rotorbridge/RotctldServer.h"

#include <QCoreApplication>
#include <QTcpServer>

namespace {

// Why the listener's port cannot be opened; empty when it can.
QString tryPort(const LinkOptions::Listener& listener)
{
    const Endpoint& endpoint = listener.endpoint;
    if (listener.kind == LinkOptions::Listener::Kind::Pst || listener.kind == LinkOptions::Listener::Kind::N1mm)
        return DatagramPort([](const QNetworkDatagram&) {}).bind(endpoint);
    QTcpServer server;
    return RotctldServer::listenOn(server, endpoint);
}

}  // namespace

QStringList PortTrial::run(const LinkOptions& links)
{
    QStringList lines;
    for (const LinkOptions::Listener& listener : links.listeners()) {
        if (const QString error = tryPort(listener); !error.isEmpty())
            lines << QCoreApplication::translate("PortTrial", "%1 auf %2 nicht möglich: %3")
                         .arg(listener.name, listener.endpoint.text(), error);
    }
    return lines;
}
