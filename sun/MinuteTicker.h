// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Ticks at every full minute of the clock while it runs, so that what changes with the sun is
// drawn anew once a minute and the program sleeps in between (no polling). The clock and the
// period are given so that tests need not wait a minute.
class MinuteTicker : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>;  // ms since 1970, UTC

    explicit MinuteTicker(Clock clock, int periodMs = 60000, QObject* parent = nullptr);

    void setRunning(bool running);
    bool isRunning() const { return timer_.isActive(); }
    // From a moment of the clock to the next full period, ms (a whole period on the boundary).
    static int delayToNext(qint64 nowMs, int periodMs) { return int(periodMs - nowMs % periodMs); }

signals:
    void tick();

private:
    void scheduleNext();

    Clock clock_;
    int periodMs_;
    QTimer timer_;
};
