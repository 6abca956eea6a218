// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class QHostAddress;

// Whether a listener bound to an address hears other machines: every address beyond the loopback
// (127.0.0.0/8 and ::1) does, the wildcards 0.0.0.0 and :: among them. Corvane's WSJT-X link and
// the rotor program's ports say "auch aus dem Netz" by this one rule.
class NetworkReach {
public:
    static bool beyondLoopback(const QHostAddress& address);
};
