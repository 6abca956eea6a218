// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/TravelRange.h"

#include <climits>
#include <cmath>

namespace {

// Whole degrees inside a rotator end, without overflow for any end Hamlib may give.
int inwards(double end, bool lower)
{
    const double whole = lower ? std::ceil(end) : std::floor(end);
    return whole <= INT_MIN ? INT_MIN : whole >= INT_MAX ? INT_MAX : int(whole);
}

} // namespace

TravelRange TravelRange::effective(std::optional<int> wantedMinimum, std::optional<int> wantedMaximum,
                                   const std::optional<HamlibRotator::Range>& accepted)
{
    TravelRange range;
    if (accepted) {
        range.minimum = inwards(accepted->minimum, true);
        range.maximum = inwards(accepted->maximum, false);
    }
    if (wantedMinimum) {
        range.cut = accepted && *wantedMinimum < range.minimum;
        if (!range.cut)
            range.minimum = *wantedMinimum;
    }
    if (wantedMaximum) {
        const bool cut = accepted && *wantedMaximum > range.maximum;
        range.cut = range.cut || cut;
        if (!cut)
            range.maximum = *wantedMaximum;
    }
    return range;
}
