// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QTcpServer>

// A TCP server whose connections end once their client has sent more than a bound: the HTTP server
// above it keeps a request's whole body in memory, and a hostile client would send gigabytes.
class BoundedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    static constexpr qint64 defaultMaxBytes = 1 << 20;  // bytes a connection may send, requests and frames together

    explicit BoundedTcpServer(qint64 maxBytes = defaultMaxBytes, QObject* parent = nullptr);

signals:
    // A connection sent too much and was cut.
    void cut(const QHostAddress& client);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    qint64 maxBytes_;
};
