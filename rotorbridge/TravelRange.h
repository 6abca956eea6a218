// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/HamlibRotator.h"

#include <optional>

// The travel ends reported to Corvane, whole degrees: those the user registered, cut to what the
// rotator accepts so that no target sent within them is refused; where the user gave no end,
// the rotator's own; a plain turn of 0 to 360 where neither says.
class TravelRange {
public:
    int minimum = 0;
    int maximum = 360;
    bool cut = false;  // a registered end lay beyond what the rotator accepts

    // accepted: the rotator's own azimuth range, degrees, when it has one.
    static TravelRange effective(std::optional<int> wantedMinimum, std::optional<int> wantedMaximum,
                                 const std::optional<HamlibRotator::Range>& accepted);

    // The left end lies below the right one.
    bool isRange() const { return minimum < maximum; }
};
