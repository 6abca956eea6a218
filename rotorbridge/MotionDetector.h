// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <deque>
#include <optional>

// Which way the rotator turns, from its successive azimuth readings (one per status, 500 ms
// apart in the program; the rules count readings, so they hold for that pace). Readings of a standing rotator wobble by up to half a degree either way; a change counts
// as motion only when it is clearly larger than that wobble, and motion, once seen, holds while the
// change goes on the same way by more than the wobble can make. A fast rotator shows in the step
// between two readings; a slow one (1 °/s makes half a degree a step, inside the wobble) in the
// change over the last few readings, as long as none of them was a fast step: a fast rotator that
// just stopped is not taken for a slow one. So a standing rotator reports 0 on every status and a
// turning one its direction without flickering.
class MotionDetector {
public:
    static constexpr double startStep = 1.5;  // degrees of change that start motion
    static constexpr double keepStep = 1.0;   // degrees of change that keep it going
    static constexpr int windowReadings = 8;  // readings the slow change is taken over (3.5 s at 500 ms)

    // The motion after this reading: -1 turning left (smaller azimuths), 0 standing, +1 turning
    // right. Nothing (the position could not be read) forgets the readings before.
    int update(std::optional<double> azimuth);

private:
    // The direction of a change: kept while beyond keepStep in the current direction, started
    // beyond startStep; 0 otherwise.
    int directionOf(double change) const;

    std::deque<double> readings_;  // degrees, the oldest first
    int motion_ = 0;
};
