// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/ByteBound.h"

#include <QTcpServer>

// A plain TCP server whose connections end once their client has sent more than a bound.
class BoundedTcpServer : public QTcpServer {
public:
    BoundedTcpServer(qint64 maxBytes, ByteBound::Cut cut, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    qint64 maxBytes_;
    ByteBound::Cut cut_;
};
