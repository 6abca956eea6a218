// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/OptimisedPath.h"

#include "session/RotorState.h"

#include <cmath>

namespace {

constexpr double fullTurn = 360;  // degrees

// Of x + 360, x - 360 (each strictly inside lower..upper) and x (inside or on the ends), the one
// nearest to the rotor's azimuth, so that the rotor never takes the long way round; x when none
// lies inside. On equal distances the earlier of that order wins. All angles in degrees.
double nearestTurn(double x, double azimuth, double lower, double upper)
{
    const double candidates[] = {x + fullTurn, x - fullTurn, x};
    const bool inside[] = {x + fullTurn < upper, x - fullTurn > lower, x >= lower && x <= upper};
    double best = x;
    double bestDistance = INFINITY;
    for (int i = 0; i < 3; ++i) {
        const double distance = std::fabs(candidates[i] - azimuth);
        if (inside[i] && distance < bestDistance) {
            best = candidates[i];
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

double OptimisedPath::rotorTarget(double bearing, const Travel& travel, double overlap, bool optimise)
{
    if (!optimise || std::fabs(bearing - travel.azimuth) <= fullTurn / 2)
        return bearing;
    // The travel ends as doubles: the end-stop arithmetic must not overflow for any reported end.
    const double minAzimuth = travel.minAzimuth;
    const double maxAzimuth = travel.maxAzimuth;
    double result = nearestTurn(bearing, travel.azimuth, minAzimuth - overlap, maxAzimuth + overlap);
    // The overlap may have carried the target past an end: stop just inside it.
    if (result > maxAzimuth)
        result = maxAzimuth - 1;
    if (result < minAzimuth)
        result = minAzimuth + 1;
    return result;
}

double OptimisedPath::listTarget(double azimuth, const Travel& travel)
{
    if (std::fabs(azimuth - travel.azimuth) <= fullTurn / 2)
        return azimuth;
    return nearestTurn(azimuth, travel.azimuth, travel.minAzimuth, travel.maxAzimuth);
}

double OptimisedPath::intoRange(double value, double lower, double upper, double period)
{
    if (!std::isfinite(value))
        return value;
    // std::fmod is exact, so this lands where stepping by whole periods would.
    if (value > upper) {
        const double excess = std::fmod(value - upper, period);
        value = excess == 0 ? upper : upper + excess - period;
    }
    if (value < lower) {
        const double shortfall = std::fmod(lower - value, period);
        value = shortfall == 0 ? lower : lower - shortfall + period;
    }
    return value;
}

OptimisedPath::Travel OptimisedPath::Travel::of(const RotorState& state)
{
    return {state.rotorAzimuth.value_or(RotorState::noReadingAzimuth), state.rotorMinAzimuth, state.rotorMaxAzimuth};
}
