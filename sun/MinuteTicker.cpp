// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/MinuteTicker.h"

#include <utility>

MinuteTicker::MinuteTicker(Clock clock, int periodMs, QObject* parent)
    : QObject(parent), clock_(std::move(clock)), periodMs_(periodMs)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        scheduleNext();
        emit tick();
    });
}

void MinuteTicker::setRunning(bool running)
{
    if (running == isRunning())
        return;
    if (running)
        scheduleNext();
    else
        timer_.stop();
}

void MinuteTicker::scheduleNext()
{
    // To the next full period of the clock, not a period from now: the ticks stay on the minute.
    timer_.start(delayToNext(clock_(), periodMs_));
}
