// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QElapsedTimer>
#include <QTcpServer>

#include <random>

// A stand-in rotctld on the loopback: answers the commands Hamlib's network rotator sends
// ("\dump_state", "p", "P az el", "S", "q") as rotctld does. Its rotator turns at a fixed rate
// towards the last "P" target; every reading carries a random wobble, and answers can be held
// back for a while (a stall). Angles in degrees.
class FakeRotctld : public QTcpServer {
    Q_OBJECT
public:
    // port 0: any free port.
    explicit FakeRotctld(quint16 port = 0);

    double jitter = 0;           // wobble of each reading, up to ± this many degrees
    double degreesPerSecond = 6;
    int stallMs = 0;             // every answer waits this long
    int positionReads = 0;       // "p" commands answered

    quint16 port() const { return serverPort(); }
    QString device() const;  // "127.0.0.1:<port>"
    // Where the rotator stands now, without wobble.
    double azimuth() const;
    void setAzimuth(double azimuth);

private:
    void answer(QTcpSocket* socket, const QByteArray& line);

    double start_ = 0;   // azimuth at the last target, degrees
    double target_ = 0;  // degrees
    QElapsedTimer sinceTarget_;
    std::mt19937 random_{12345};
};
