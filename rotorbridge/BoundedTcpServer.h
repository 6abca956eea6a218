// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QSslServer>

class QTcpSocket;

// A TCP server whose connections end once their client has sent more than a bound: the HTTP server
// above it keeps a request's whole body in memory, and a hostile client would send gigabytes. Plain
// unless given a TLS configuration; then every connection is encrypted before it is handed on.
class BoundedTcpServer : public QSslServer {
    Q_OBJECT
public:
    static constexpr qint64 defaultMaxBytes = 1 << 20;  // bytes a connection may send, requests and frames together
    static constexpr int handshakeMs = 10000;           // a TLS handshake not done by then is given up

    explicit BoundedTcpServer(qint64 maxBytes = defaultMaxBytes, QObject* parent = nullptr);

    void encrypt(const QSslConfiguration& configuration);
    bool encrypted() const { return encrypted_; }

signals:
    // A connection sent too much and was cut.
    void cut(const QHostAddress& client);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    // Counts what the socket's client sends and cuts it beyond the bound.
    void bound(QTcpSocket* socket);

    qint64 maxBytes_;
    bool encrypted_ = false;
};
