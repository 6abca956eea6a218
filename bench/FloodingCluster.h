// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QThread>

#include <atomic>

class QTcpServer;

// A stand-in DX cluster on loopback, on a thread of its own so that its sending never waits for
// the window's loop: asks for the login call as real clusters do, then sends spot lines at a steady
// rate to whoever logged in. The calls come from a pool of the given size (0: every line a call
// not heard before), a quarter of them with a grid in the comment.
class FloodingCluster : public QThread {
    Q_OBJECT
public:
    FloodingCluster(int linesPerSecond, int distinctCalls);
    ~FloodingCluster() override;

    // The port it listens on; waits until it does.
    quint16 port();
    qint64 linesSent() const { return sent_; }

protected:
    void run() override;

private:
    const int linesPerSecond_;
    const int distinctCalls_;
    std::atomic<quint16> port_ {0};
    std::atomic<qint64> sent_ {0};
};
