// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/DatagramPort.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class FaultLog;
class RotorCommands;

// The N1MM rotor port: takes N1mmMessage datagrams, and while a logger has spoken in the last
// minute announces where the antenna points ("name @ 1460") to the announcement endpoint every
// few seconds.
class N1mmListener : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 defaultPort = 12040;
    static constexpr quint16 defaultAnnouncePort = 13010;
    static constexpr int defaultAnnounceMs = 2000;     // between two announcements, ms
    static constexpr qint64 listenersQuietMs = 60000;  // announcements end this long after the last datagram, ms

    N1mmListener(RotorCommands& commands, FaultLog& faults, Endpoint announceTo, int announceMs = defaultAnnounceMs,
                 QObject* parent = nullptr);

    // Returns why the port cannot be bound, empty on success.
    QString listen(const Endpoint& endpoint);
    quint16 port() const { return port_.port(); }

private:
    void take(const QNetworkDatagram& datagram);
    void announce();

    RotorCommands& commands_;
    FaultLog& faults_;
    Endpoint announceTo_;
    DatagramPort port_;
    QTimer announceTimer_;
    QElapsedTimer sinceHeard_;
    QString rotor_ = QStringLiteral("CorvaneRotor");  // the name the loggers last used
};
