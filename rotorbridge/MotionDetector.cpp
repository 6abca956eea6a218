// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/MotionDetector.h"

#include <algorithm>
#include <cmath>

int MotionDetector::directionOf(double change) const
{
    if (motion_ != 0 && change * motion_ > keepStep)
        return motion_;
    return std::fabs(change) > startStep ? (change > 0 ? 1 : -1) : 0;
}

int MotionDetector::update(std::optional<double> azimuth)
{
    if (!azimuth) {
        readings_.clear();
        motion_ = 0;
        return motion_;
    }
    readings_.push_back(*azimuth);
    if (readings_.size() > windowReadings)
        readings_.pop_front();
    if (readings_.size() < 2)
        return motion_;
    const int stepDirection = directionOf(readings_.back() - readings_[readings_.size() - 2]);
    const bool onlySlowSteps = std::adjacent_find(readings_.begin(), readings_.end(), [](double a, double b) {
                                   return std::fabs(b - a) > startStep;
                               }) == readings_.end();
    motion_ = stepDirection != 0 || !onlySlowSteps ? stepDirection : directionOf(readings_.back() - readings_.front());
    return motion_;
}
