// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/ForeignGoal.h"
#include "logger/Logger32Link.h"
#include "rotor/RotorMacros.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/Controls.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
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

// The rotor panel built alone over a real rotor link, which takes status macros as the rotor
// program sends them.
class ForeignGoalPanelTest : public testing::Test {
protected:
    Session session;
    Logger32Link logger32Link;
    TF_Rotor rotorLink {session, RotorLinkTiming {3600000}};  // no connection attempt during the test
    ParameterSettings parameters;
    TForm6 panel {session, nullptr, &rotorLink, parameters, logger32Link};

    // A status with the antenna standing at 40 degrees, travel 0 to 450 degrees.
    void status(std::optional<double> goal, int goalCount)
    {
        RotorMacros::Status status {40, 0, 0, 0, 450, true};
        status.goalAzimuth = goal;
        status.goalCount = goalCount;
        rotorLink.AntDatenExecuteMacro(QStringLiteral(":1.99"), RotorMacros::statusLines(status));
    }
};

TEST_F(ForeignGoalPanelTest, AnotherClientsTargetShowsBesideGradAndLeavesNoTrace)
{
    status(120, 3);  // a goal from before the link: it may be this program's own from an earlier run
    QLabel* foreign = control<QLabel>(&panel, "ForeignGoalLabel");
    EXPECT_TRUE(foreign->isHidden());
    const QImage own = panel.grab().toImage();
    ASSERT_FALSE(own.isNull());
    const struct {
        const char* what;
        std::optional<double> goal;  // degrees
        int goalCount;
        QString shown;  // empty: the panel as without a foreign target
    } cases[] = {
        {"another client's target", 85, 4, QStringLiteral("Fremdziel 85°")},
        {"the tracker moves it on", 300.4, 5, QStringLiteral("Fremdziel 300°")},
        {"a stop gives the goal up", std::nullopt, 5, {}},
    };
    for (const auto& c : cases) {
        status(c.goal, c.goalCount);
        EXPECT_EQ(foreign->isHidden(), c.shown.isEmpty()) << c.what;
        if (c.shown.isEmpty()) {
            EXPECT_EQ(panel.grab().toImage(), own) << c.what;
            continue;
        }
        EXPECT_EQ(foreign->text(), c.shown) << c.what;
        EXPECT_GE(foreign->x(), control<QLabel>(&panel, "Label1")->geometry().right() + 1) << c.what;
        EXPECT_EQ(panel.width(), foreign->geometry().right() + 1 + TForm6::panelBorder) << c.what;
        EXPECT_EQ(control<QLineEdit>(&panel, "Edit_Azimut")->text(), QStringLiteral(" 40"))
            << "the antenna is still shown: " << c.what;
    }
}

}  // namespace
