// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// A private session bus for the whole test process: started before the first test, so that
// QDBusConnection::sessionBus() of the code under test connects to it and not to a bus that other
// tests share; stopped after the last.
class PrivateBus {
public:
    static QString address();
};
