// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QElapsedTimer>
#include <QRecursiveMutex>
#include <QThread>

#include <QByteArrayList>

#include <atomic>
#include <chrono>
#include <random>
#include <vector>

class QTcpServer;
class QTcpSocket;

// A stand-in rotctld on the loopback: answers the commands Hamlib's network rotator sends
// ("\dump_state", "p", "P az el", "S", "q") as rotctld does. Its rotator turns at a fixed rate
// towards the last "P" target; every reading carries a random wobble. It answers on a thread of
// its own, so that a Hamlib rotator in the test's thread, which waits for each answer, gets it.
// Angles in degrees.
class FakeRotctld {
public:
    // port 0: any free port.
    explicit FakeRotctld(quint16 port = 0);
    ~FakeRotctld();

    std::atomic<double> jitter {0};  // wobble of each reading, up to ± this many degrees
    std::atomic<double> degreesPerSecond {6};
    std::atomic<double> elevation {0};  // reported as it is, degrees

    // A command other than a reading ("P 85.00 0.00", "S"), with when it came.
    struct Command {
        QByteArray line;
        std::chrono::steady_clock::time_point at;
    };
    std::vector<Command> commands() const;

    bool isListening() const { return port_ != 0; }
    QString device() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
    quint16 port() const { return port_; }
    // Where the rotator stands now, without wobble.
    double azimuth() const;
    void setAzimuth(double azimuth);

private:
    void answer(QTcpSocket* socket, const QByteArray& line);  // on the server's thread

    QThread thread_;
    QTcpServer* server_;             // lives on thread_
    quint16 port_;                   // 0: not listening
    mutable QRecursiveMutex mutex_;  // guards the rotator's motion below
    double start_ = 0;               // azimuth at the last target, degrees
    double target_ = 0;              // degrees
    QElapsedTimer sinceTarget_;
    std::vector<Command> commands_;
    std::mt19937 random_ {12345};  // on the server's thread only
};
