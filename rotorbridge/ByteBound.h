// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHostAddress>

#include <functional>

class QTcpSocket;

// A bound on what one client may send over a connection: the HTTP server keeps a request's whole
// body in memory, and a hostile client would send gigabytes.
class ByteBound {
public:
    static constexpr qint64 defaultMaxBytes = 1 << 20;  // bytes a connection may send, requests and frames together
    using Cut = std::function<void(const QHostAddress& client)>;

    // Counts what the socket's client sends and ends the connection, calling cut, once it is more
    // than maxBytes. Watched before the HTTP server takes the socket, so it counts every arrival
    // before anything of it is read away.
    static void watch(QTcpSocket* socket, qint64 maxBytes, Cut cut);
};
