// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

class QAbstractSocket;

// A larger receive buffer for a bound UDP listener: the kernel's default (about 212 KB) drops
// part of a burst before the event loop reads it. Every listener asks through here and logs the
// line it returns, since the kernel grants only up to its own limit.
class UdpReceiveBuffer {
public:
    static constexpr int wantedBytes = 4 << 20;  // 4 MiB

    // Asks for wantedBytes on the bound socket; returns the line for the log, saying what the
    // kernel granted ("UDP-Empfangspuffer Port 2237: 4096 KB erbeten, 8192 KB erhalten").
    static QString enlarge(QAbstractSocket& socket);
    // What the kernel grants the socket now, bytes.
    static int granted(QAbstractSocket& socket);
};
