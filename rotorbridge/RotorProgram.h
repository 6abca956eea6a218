// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/BridgeOptions.h"
#include "rotorbridge/CorvanePartner.h"
#include "rotorbridge/FaultLog.h"
#include "rotorbridge/N1mmListener.h"
#include "rotorbridge/PstListener.h"
#include "rotorbridge/RotctldServer.h"
#include "rotorbridge/WebFace.h"
#include "rotorbridge/RotorBridge.h"
#include "rotorbridge/RotorCommands.h"
#include "rotorbridge/RotorScripting.h"

#include <QDBusConnection>

class BridgeLog;

// The running rotor program's parts, wired as it runs them: the link to Corvane, the one way of
// every client's heading to the rotator, the operator's shell interface and the other clients'
// ports. It drives a rotator and writes a log that the caller keeps, so that the tests run the
// whole program in their own process with shorter intervals.
class RotorProgram {
public:
    RotorProgram(QDBusConnection bus, const QString& service, HamlibRotator& rotator, const BridgeOptions& options,
                 BridgeLog& log, RotorBridgeTiming timing = {});
    ~RotorProgram();
    RotorProgram(const RotorProgram&) = delete;
    RotorProgram& operator=(const RotorProgram&) = delete;

    // Offers the shell interface and the link to Corvane, then opens the clients' ports; a port
    // that is taken is logged and left out, never fatal.
    RotorBridge::StartResult start();

    RotorBridge& bridge() { return bridge_; }
    // The web page's port once served (one chosen by the system for port 0); 0 while not served.
    quint16 webPort() const { return web_ ? web_->port() : 0; }
    int webLoginsWaiting() const { return web_ ? web_->loginsWaiting() : 0; }

private:
    QString serveWeb(const Endpoint& endpoint);
    void serveClients();
    // Opens one client port; returns why not, empty on success.
    QString listen(const LinkOptions::Listener& listener);

    QDBusConnection bus_;
    LinkOptions links_;
    BridgeLog& log_;
    RotorBridge bridge_;
    RotorCommands commands_;
    RotorScripting scripting_;
    FaultLog faults_;
    CorvanePartner partner_;
    RotctldServer rotctld_;
    PstListener pst_;
    N1mmListener n1mm_;
    std::unique_ptr<WebFace> web_;  // while the page is served
};
