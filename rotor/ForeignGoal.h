// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <optional>

// Tells whose target the rotor program is turning to. Its status names the azimuth it last sent
// the rotator and a count of the targets it sent, whichever client asked; this program remembers
// what it sent itself, so that a target from a logger or a tracker can be shown as such. Angles
// in degrees, in the rotor's own azimuth scale.
class ForeignGoal {
public:
    // This program sent the rotor program a target.
    void sent(double azimuth);
    // This program asked for a target whose azimuth the rotor program chooses (its park
    // position): the next new goal is this program's own.
    void expectOwn();
    // The goal and goal count of a status, and the travel ends the rotor program holds every
    // target within. Returns the goal when another client set it: a goal counts as foreign once
    // a target has been sent since the link came up and the goal is not the one sent from here.
    std::optional<double> update(std::optional<double> goal, int goalCount, int minAzimuth, int maxAzimuth);
    // The link is lost: the next status is the first of a new link.
    void reset();

private:
    std::optional<int> firstCount_;  // the goal count of the first status of the link
    std::optional<int> lastCount_;   // of the status before
    std::optional<double> sent_;
    bool expectOwn_ = false;
};
