// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/DdeNames.h"
#include "platform/NamedMutex.h"
#include "rotor/TF_Rotor.h"
#include "support/LinkWait.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <csignal>

// The rotor program as the tests see it from outside: on the session bus under its own name, and
// the lock a rotor link holds while linked to it.
struct RotorProgramOnBus {
    static QString busName() { return DdeNames::busName(QStringLiteral("CorvaneRotor")); }
    static bool running() { return QDBusConnection::sessionBus().interface()->isServiceRegistered(busName()); }

    // Ends the rotor program a link started, by the pid that owns its bus name.
    static void stop()
    {
        const auto pid = QDBusConnection::sessionBus().interface()->servicePid(busName());
        if (!pid.isValid())
            return;
        ::kill(pid_t(pid.value()), SIGTERM);
        waitFor([] { return !running(); }, 10000);
    }

    // No rotor link holds the lock.
    static bool linkMutexFree() { return NamedMutex(TF_Rotor::mutexName).tryLock(); }
};
