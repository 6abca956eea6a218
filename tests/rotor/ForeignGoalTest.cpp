// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/ForeignGoal.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// One step of a link's life: what this program sent, then the goal a status reports.
struct Step {
    const char* what;
    std::optional<double> sent;  // degrees; none: nothing sent before this status
    bool parkAsked;              // this program asked the rotor program to park
    std::optional<double> goal;  // degrees
    int goalCount;
    std::optional<double> foreign;  // expected, degrees
};

TEST(ForeignGoal, TellsThisProgramsTargetsFromOtherClients)
{
    const Step steps[] = {
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
    for (const Step& step : steps) {
        if (step.sent)
            owner.sent(*step.sent);
        if (step.parkAsked)
            owner.expectOwn();
        EXPECT_EQ(owner.update(step.goal, step.goalCount, 0, 450), step.foreign) << step.what;
    }
    owner.reset();
    EXPECT_EQ(owner.update(85, 10, 0, 450), std::nullopt) << "a new link starts afresh";
}

}  // namespace
