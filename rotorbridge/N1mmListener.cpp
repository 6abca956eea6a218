// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/N1mmListener.h"

#include "rotorbridge/FaultLog.h"
#include "rotorbridge/N1mmMessage.h"
#include "rotorbridge/RotorCommands.h"

#include <QCoreApplication>

N1mmListener::N1mmListener(RotorCommands& commands, FaultLog& faults, Endpoint announceTo, int announceMs,
                           QObject* parent)
    : QObject(parent), commands_(commands), faults_(faults), announceTo_(std::move(announceTo)),
      port_([this](const QNetworkDatagram& datagram) { take(datagram); })
{
    announceTimer_.setInterval(announceMs);
    connect(&announceTimer_, &QTimer::timeout, this, &N1mmListener::announce);
}

QString N1mmListener::listen(const Endpoint& endpoint)
{
    return port_.bind(endpoint);
}

void N1mmListener::take(const QNetworkDatagram& datagram)
{
    const QString client =
        QStringLiteral("N1MM %1:%2").arg(datagram.senderAddress().toString()).arg(datagram.senderPort());
    const N1mmMessage message = N1mmMessage::parse(datagram.data());
    switch (message.fault) {
    case N1mmMessage::Fault::Malformed:
        faults_.report(QCoreApplication::translate("N1mmListener", "N1MM: Datagramm unlesbar, nicht beachtet"), client);
        return;
    case N1mmMessage::Fault::OutOfRange:
        faults_.report(
            QCoreApplication::translate("N1mmListener", "N1MM: Richtung außerhalb 0° bis 360°, nicht beachtet"),
            client);
        return;
    case N1mmMessage::Fault::None:
        break;
    }
    if (!message.rotor.isEmpty())
        rotor_ = message.rotor;
    sinceHeard_.start();
    if (!announceTimer_.isActive() && !announceTo_.off)
        announceTimer_.start();
    if (message.stop) {
        commands_.stop(client);
        return;
    }
    double heading = *message.heading;
    if (const auto position = commands_.position(); position && message.bidirectional)
        heading = N1mmMessage::nearerEnd(heading, position->azimuth);
    commands_.turnToBearing(heading, std::nullopt, client);
}

void N1mmListener::announce()
{
    if (sinceHeard_.elapsed() > listenersQuietMs) {
        announceTimer_.stop();
        return;
    }
    if (const auto position = commands_.position())
        port_.send(N1mmMessage::announcement(rotor_, position->azimuth), announceTo_.address, announceTo_.port);
}
