// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/BusWarmUp.h"

#include <QDBusConnection>

// The connection is the process's one: every later sessionBus() gets it, or waits for it.
BusWarmUp::BusWarmUp() : thread_([] { (void)QDBusConnection::sessionBus(); })
{
}

BusWarmUp::~BusWarmUp()
{
    thread_.join();
}
