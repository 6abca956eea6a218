// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/LoginThrottle.h"

#include <algorithm>
#include <utility>

LoginThrottle::LoginThrottle(Clock clock) : clock_(std::move(clock))
{
}

QString LoginThrottle::key(const QHostAddress& address)
{
    // An IPv4 address seen through an IPv6 socket is the same client.
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

qint64 LoginThrottle::waitAfter(int failures)
{
    if (failures < freeFailures)
        return 0;
    const int doublings = std::min(failures - freeFailures, 20);
    return std::min(firstWaitMs << doublings, longestWaitMs);
}

qint64 LoginThrottle::waitMs(const QHostAddress& address) const
{
    const auto found = records_.find(key(address));
    if (found == records_.end())
        return 0;
    const qint64 passed = clock_() - found->second.lastFailure;
    return std::max<qint64>(0, waitAfter(found->second.failures) - passed);
}

qint64 LoginThrottle::failed(const QHostAddress& address)
{
    const QString name = key(address);
    if (records_.find(name) == records_.end() && int(records_.size()) >= mostAddresses) {
        const auto stalest = std::min_element(records_.begin(), records_.end(), [](const auto& a, const auto& b) {
            return a.second.lastFailure < b.second.lastFailure;
        });
        records_.erase(stalest);
    }
    Record& record = records_[name];
    ++record.failures;
    record.lastFailure = clock_();
    return waitAfter(record.failures);
}

void LoginThrottle::succeeded(const QHostAddress& address)
{
    records_.erase(key(address));
}
