// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/OptimisedPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

TEST(OptimisedPath, RotorTargetPicksTheWay)
{
    // What, bearing, travel (azimuth, left end, right end), overlap, optimise, and the target; degrees.
    const std::tuple<const char*, double, OptimisedPath::Travel, double, bool, double> cases[] = {
        {"one turn further is shorter", 50, {400, 0, 450}, 10, true, 410},
        {"optimisation off", 50, {400, 0, 450}, 10, false, 50},
        {"off leaves even a target beyond the ends", 500, {10, 0, 450}, 0, false, 500},
        {"half a turn away stays", 180, {0, 0, 450}, 0, true, 180},
        {"less than half a turn stays", 270, {100, 0, 450}, 0, true, 270},
        {"one turn back within the overlap, raised inside the left end", 350, {10, 0, 450}, 15, true, 1},
        {"the left-end comparison is strict", 350, {10, 0, 450}, 10, true, 350},
        {"the right-end comparison is strict", 100, {400, 0, 450}, 10, true, 100},
        {"the overlap carries past the right end: held inside", 100, {300, 0, 450}, 20, true, 449},
        {"one turn back, travel below zero", 290, {-80, -90, 450}, 0, true, -70},
        {"travel -180..180: the only way", 170, {-170, -180, 180}, 0, true, 170},
        {"travel -180..180: overlap past the left end", 170, {-170, -180, 180}, 15, true, -179},
        {"no status yet: far from -10000, no room either way", 90, {-10000, 0, 0}, 0, true, 1},
        {"one turn further fits but is the long way", 90, {-160, -180, 540}, 10, true, 90},
        {"a Logger32 bearing at the left end stays", 45, {-180, -180, 540}, 10, true, 45},
        {"the bearing itself beyond the widened ends: one turn further", 45, {300, 90, 450}, 10, true, 405},
        {"the nearer of two fitting turns", 10, {-300, -360, 540}, 0, true, -350},
        {"extreme travel ends do not overflow", 90, {-1000, -2147483647 - 1, 2147483647}, 0, true, -270},
    };
    for (const auto& [what, bearing, travel, overlap, optimise, expected] : cases)
        EXPECT_EQ(OptimisedPath::rotorTarget(bearing, travel, overlap, optimise), expected) << what;
}

TEST(OptimisedPath, ListTargetPicksTheWay)
{
    // What, azimuth, travel (azimuth, left end, right end) and the target; degrees.
    const std::tuple<const char*, double, OptimisedPath::Travel, double> cases[] = {
        {"near stays", 200, {100, 0, 450}, 200},
        {"one turn further", 50, {400, 0, 450}, 410},
        {"no overlap: the right end is strict", 90, {400, 0, 450}, 90},
        {"one turn back", 350, {10, -30, 450}, -10},
        {"no room: unchanged, never clamped", 350, {10, 0, 450}, 350},
        {"one turn further fits but is the long way", 45, {-180, -180, 540}, 45},
        {"the nearer of two fitting turns", 10, {-300, -360, 540}, -350},
    };
    for (const auto& [what, azimuth, travel, expected] : cases)
        EXPECT_EQ(OptimisedPath::listTarget(azimuth, travel), expected) << what;
}

TEST(IntoRange, StepsByWholePeriods)
{
    const struct {
        double value, lower, upper, period, expected;
    } cases[] = {{-30, 0, 450, 360, 330},   {500, 0, 450, 360, 140}, {270, -180, 180, 360, -90},
                 {450, 0, 450, 360, 450},   {810, 0, 450, 360, 450}, {-720, 0, 450, 360, 0},
                 {12.5, 0, 450, 360, 12.5}, {90, 0, 0, 360, 90},  // no travel known yet
                 {200, 0, 180, 180, 20},    {-10, 0, 180, 180, 170}, {180, 0, 180, 180, 180},
                 {360, 0, 180, 180, 180}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(OptimisedPath::intoRange(c.value, c.lower, c.upper, c.period), c.expected)
            << c.value << " into " << c.lower << ".." << c.upper;
}

TEST(IntoRange, HugeAndNonFiniteValuesEndAtOnce)
{
    // Repeated subtraction would never end for these.
    const double huge = OptimisedPath::intoRange(1e300, 0, 450, 360);
    EXPECT_TRUE(huge >= 0 && huge <= 450) << huge;
    EXPECT_TRUE(std::isinf(OptimisedPath::intoRange(std::numeric_limits<double>::infinity(), 0, 450, 360)));
    EXPECT_TRUE(std::isnan(OptimisedPath::intoRange(std::nan(""), 0, 450, 360)));
}

}  // namespace
