// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/FaultLog.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/N1mmListener.h"
#include "rotorbridge/PstListener.h"
#include "rotorbridge/RotctldServer.h"
#include "rotorbridge/RotorBridge.h"
#include "rotorbridge/RotorCommands.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <optional>

class QTcpSocket;

// The rotor program's client side in this process over a rotator (Hamlib's dummy, or a stand-in
// rotctld), its ports on the loopback at free ports; the PstRotator answers come to `answers`.
// Angles in degrees.
struct ClientStation {
    static constexpr double parkAzimuth = 200;  // degrees
    static constexpr int statusIntervalMs =
        50;  // a tenth of the program's: the tests wait for readings, not for its pace

    // minimum, maximum: the travel ends the user registered; none: the rotator's own. idleMs: the
    // rotctld server's idle time.
    explicit ClientStation(RotorCommands::Rules rules = {0, 0, parkAzimuth, 0},
                           HamlibRotator::Setup setup = {1, {}, {}}, std::optional<int> minimum = {},
                           std::optional<int> maximum = {}, int idleMs = RotctldServer::defaultIdleMs);

    // Waits for the first reading of the rotator.
    bool positionKnown();
    void sendTo(quint16 port, const QByteArray& bytes);
    // Connects a client to the rotctld server.
    bool connectToRotctld(QTcpSocket& client);
    QByteArray logText() const;

    static inline int instances = 0;
    QTemporaryDir folder;
    BridgeLog log {folder.path() + QStringLiteral("/CorvaneRotor.log")};
    HamlibRotator rotator;
    RotorBridge bridge;
    RotorCommands commands;
    FaultLog faults;
    RotctldServer rotctld;
    QStringList locators;
    PstListener pst;
    N1mmListener n1mm;
    QUdpSocket answers;
    QUdpSocket sender;
};
