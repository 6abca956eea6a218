// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/ForeignGoal.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

TEST(ForeignGoal, TellsThisProgramsTargetsFromOtherClients)
{
    // Steps of a link's life: what this program sent before a status (none: nothing), whether it
    // asked the rotor program to park, the goal and goal count that status reports, and the
    // foreign goal expected; degrees.
    const std::tuple<const char*, std::optional<double>, bool, std::optional<double>, int, std::optional<double>>
        steps[] = {
            {"a goal from before the link may be an earlier run's own", {}, false, 120, 3, {}},
            {"the same goal again", {}, false, 120, 3, {}},
            {"this program's target, sent as tenths", 200.04, false, 200.0, 4, {}},
            {"another client's target", {}, false, 85, 5, 85},
            {"it stays foreign while it is the goal", {}, false, 85, 5, 85},
            {"this program's target beyond the travel is held at its end", 500, false, 450, 6, {}},
            {"a stop gives the goal up", {}, false, {}, 6, {}},
            {"another client parks", {}, false, 0, 7, 0},
            {"this program parks where the rotor program chooses", {}, true, 180, 8, {}},
            {"the park position stays this program's own", {}, false, 180, 8, {}},
            {"a target that a client sends back to where this program sent it", {}, false, 180, 9, {}},
        };
    ForeignGoal owner;
    for (const auto& [what, sent, parkAsked, goal, goalCount, foreign] : steps) {
        if (sent)
            owner.sent(*sent);
        if (parkAsked)
            owner.expectOwn();
        EXPECT_EQ(owner.update(goal, goalCount, 0, 450), foreign) << what;
    }
    owner.reset();
    EXPECT_EQ(owner.update(85, 10, 0, 450), std::nullopt) << "a new link starts afresh";
}

}  // namespace
