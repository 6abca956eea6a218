// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PstListener.h"

#include "rotorbridge/FaultLog.h"
#include "rotorbridge/PstMessage.h"
#include "rotorbridge/RotorCommands.h"

#include <QCoreApplication>

PstListener::PstListener(RotorCommands& commands, FaultLog& faults, PartnerRequest partner, QObject* parent)
    : QObject(parent), commands_(commands), faults_(faults), partner_(std::move(partner)),
      port_([this](const QNetworkDatagram& datagram) { take(datagram); })
{
}

QString PstListener::listen(const Endpoint& endpoint)
{
    return port_.bind(endpoint);
}

void PstListener::take(const QNetworkDatagram& datagram)
{
    const QString client =
        QStringLiteral("PstRotator %1:%2").arg(datagram.senderAddress().toString()).arg(datagram.senderPort());
    const PstMessage message = PstMessage::parse(datagram.data());
    switch (message.fault) {
    case PstMessage::Fault::Malformed:
        faults_.report(QCoreApplication::translate("PstListener", "PstRotator: Datagramm unlesbar, nicht beachtet"),
                       client);
        return;
    case PstMessage::Fault::OutOfRange:
        faults_.report(
            QCoreApplication::translate(
                "PstListener", "PstRotator: Winkel außerhalb 0° bis 360° (Elevation bis 180°), nicht beachtet"),
            client);
        return;
    case PstMessage::Fault::None:
        break;
    }
    const auto reply = [&](const QByteArray& text) { port_.send(text, datagram.senderAddress(), port_.port() + 1); };
    const auto position = commands_.position();
    if (message.asksAzimuth && position)
        reply(PstMessage::answer("AZ", position->azimuth));
    if (message.asksElevation && position)
        reply(PstMessage::answer("EL", position->elevation));
    if (message.stop)
        commands_.stop(client);
    else if (message.park)
        commands_.park(client);
    else if (message.locator)
        partner_(*message.locator, client);
    else if (message.azimuth)
        commands_.turnToBearing(*message.azimuth, message.elevation, client);
    else if (message.elevation)
        commands_.turnElevation(*message.elevation, client);
}
