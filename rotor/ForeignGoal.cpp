// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/ForeignGoal.h"

#include <algorithm>
#include <cmath>

namespace {

// Targets travel in tenths of a degree both ways; a goal this close to the target sent is that
// target, degrees.
constexpr double sameGoal = 0.06;

}  // namespace

void ForeignGoal::sent(double azimuth)
{
    sent_ = azimuth;
    expectOwn_ = false;
}

void ForeignGoal::expectOwn()
{
    expectOwn_ = true;
}

std::optional<double> ForeignGoal::update(std::optional<double> goal, int goalCount, int minAzimuth, int maxAzimuth)
{
    if (!firstCount_)
        firstCount_ = goalCount;
    const bool newGoal = lastCount_ && goalCount != *lastCount_;
    lastCount_ = goalCount;
    if (newGoal && expectOwn_ && goal) {
        sent(*goal);
        return std::nullopt;
    }
    // A goal from before the link came up may be this program's own from an earlier run.
    if (!goal || goalCount == *firstCount_)
        return std::nullopt;
    // The rotor program holds a target within the travel ends.
    if (sent_ && std::fabs(*goal - std::clamp<double>(*sent_, minAzimuth, maxAzimuth)) < sameGoal)
        return std::nullopt;
    return goal;
}

void ForeignGoal::reset()
{
    *this = ForeignGoal();
}
