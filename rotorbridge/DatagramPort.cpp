// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/DatagramPort.h"

#include "platform/PortHolder.h"

#include <QTimer>

DatagramPort::DatagramPort(Handler handler, QObject* parent) : QObject(parent), handler_(std::move(handler))
{
    connect(&socket_, &QUdpSocket::readyRead, this, &DatagramPort::readSome);
}

QString DatagramPort::bind(const Endpoint& endpoint)
{
    if (socket_.bind(endpoint.address, endpoint.port, QUdpSocket::DontShareAddress))
        return QString();
    if (socket_.error() == QAbstractSocket::AddressInUseError)
        return PortHolder::taken(PortHolder::Protocol::Udp, endpoint.address, endpoint.port);
    return socket_.errorString();
}

void DatagramPort::send(const QByteArray& data, const QHostAddress& address, quint16 port)
{
    socket_.writeDatagram(data, address, port);
}

void DatagramPort::readSome()
{
    readScheduled_ = false;
    for (int i = 0; i < batch && socket_.hasPendingDatagrams(); ++i)
        handler_(socket_.receiveDatagram(maxBytes));
    // The rest waits for the next turn: timers (the status) come first.
    if (socket_.hasPendingDatagrams() && !readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &DatagramPort::readSome);
    }
}
