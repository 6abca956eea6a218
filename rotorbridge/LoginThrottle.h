// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHostAddress>

#include <functional>
#include <map>

// Slows down password guessing from one address: five failed logins go free, then each further
// try waits 1 s, doubling with every failure up to 5 minutes. A login that succeeds forgets the
// address's failures. The table holds at most mostAddresses; the address failed longest ago goes.
class LoginThrottle {
public:
    using Clock = std::function<qint64()>;  // ms, never going back
    static constexpr int freeFailures = 5;
    static constexpr qint64 firstWaitMs = 1000;        // ms
    static constexpr qint64 longestWaitMs = 300000;    // ms
    static constexpr int mostAddresses = 4096;

    explicit LoginThrottle(Clock clock);

    // ms the address must still wait before its next login is tried; 0: it may try now.
    qint64 waitMs(const QHostAddress& address) const;
    // A failed login; returns the wait it brings, ms.
    qint64 failed(const QHostAddress& address);
    void succeeded(const QHostAddress& address);

private:
    struct Record {
        int failures = 0;
        qint64 lastFailure = 0;  // ms of the clock
    };
    static QString key(const QHostAddress& address);
    static qint64 waitAfter(int failures);

    Clock clock_;
    std::map<QString, Record> records_;
};
