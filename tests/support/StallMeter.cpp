// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/StallMeter.h"

#include <QThread>

#include <algorithm>

StallMeter::StallMeter() : loopLevel_(QThread::currentThread()->loopLevel())
{
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, [this] {
        if (QThread::currentThread()->loopLevel() > loopLevel_)
            return;
        longest_ = std::max(longest_, sinceLast_.restart());
    });
    sinceLast_.start();
    tick_.start(1);
}

qint64 StallMeter::longestGapMs() const
{
    // A stall still going on counts too.
    return std::max(longest_, sinceLast_.elapsed());
}
