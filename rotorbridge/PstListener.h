// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/DatagramPort.h"

#include <QObject>

#include <functional>

class FaultLog;
class RotorCommands;

// The PstRotator port: takes PstMessage datagrams on port N and answers the queries to the
// sender's address, port N + 1. A locator goes to Corvane as the new partner; Corvane answers
// with its bearing, and the antenna turns there.
class PstListener : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 defaultPort = 12000;

    // Asks Corvane to take the locator as partner; the requester turns the antenna on its answer.
    using PartnerRequest = std::function<void(const QString& locator, const QString& client)>;

    PstListener(RotorCommands& commands, FaultLog& faults, PartnerRequest partner, QObject* parent = nullptr);

    // Returns why the port cannot be bound, empty on success.
    QString listen(const Endpoint& endpoint);
    quint16 port() const { return port_.port(); }

private:
    void take(const QNetworkDatagram& datagram);

    RotorCommands& commands_;
    FaultLog& faults_;
    PartnerRequest partner_;
    DatagramPort port_;
};
