// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Measures how long the event loop stays away while it lives: a 1 ms timer notes the longest
// gap between two of its ticks. A loop that keeps painting and answering input never leaves such
// a gap much above the tick. Ticks from an event loop nested deeper than the meter's own do not
// end a gap: a wait in place on such a loop holds back user input all the same.
class StallMeter : public QObject {
    Q_OBJECT
public:
    StallMeter();
    // The longest time between two ticks so far, ms.
    qint64 longestGapMs() const;

private:
    QTimer tick_;
    QElapsedTimer sinceLast_;
    qint64 longest_ = 0;
    int loopLevel_;
};
