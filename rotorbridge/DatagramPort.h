// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/Endpoint.h"

#include <QNetworkDatagram>
#include <QObject>
#include <QUdpSocket>

#include <functional>

// A UDP port of the rotor program: bound to an endpoint, it hands each datagram to its handler,
// a bounded number per turn of the event loop, so that a flood on the port cannot hold up the
// rotor's status. Datagrams longer than maxBytes are cut there; the handler refuses them. The port
// is bound exclusively: a program that binds it later fails instead of taking the datagrams.
class DatagramPort : public QObject {
    Q_OBJECT
public:
    static constexpr int batch = 64;          // datagrams handled before the event loop runs again
    static constexpr qint64 maxBytes = 2048;  // bytes read of one datagram

    using Handler = std::function<void(const QNetworkDatagram&)>;

    explicit DatagramPort(Handler handler, QObject* parent = nullptr);

    // Binds to the endpoint; returns why not ("Port 12000 belegt von wsjtx (PID 4711)" or the
    // system's text), empty on success.
    QString bind(const Endpoint& endpoint);
    quint16 port() const { return socket_.localPort(); }
    // Sends a datagram from this port.
    void send(const QByteArray& data, const QHostAddress& address, quint16 port);

private:
    void readSome();

    Handler handler_;
    QUdpSocket socket_;
    bool readScheduled_ = false;
};
