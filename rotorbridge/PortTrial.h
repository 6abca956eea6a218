// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/LinkOptions.h"

#include <QStringList>

// "--check" and "--register" try the ports the rotor program would serve, bound as it binds them,
// and close them again: one line for each that cannot be opened, with why ("PstRotator-UDP auf
// 127.0.0.1:12000 nicht möglich: Port 12000 belegt von wsjtx (PID 4711)"). A rotor program that
// runs already holds its own ports and is named so.
class PortTrial {
public:
    static QStringList run(const LinkOptions& links);
};
