// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/ByteBound.h"

#include <QSslServer>

// A TLS server whose connections are encrypted before they are handed on and end once their
// client has sent more than a bound. Only made where TLS is used: it loads the TLS library.
class BoundedSslServer : public QSslServer {
public:
    static constexpr int handshakeMs = 10000;  // a handshake not done by then is given up

    BoundedSslServer(const QSslConfiguration& configuration, qint64 maxBytes, ByteBound::Cut cut,
                     QObject* parent = nullptr);
};
