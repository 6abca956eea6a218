// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

// The rotor values as the rotor program reports them, and the state of the link to it. Angles in
// degrees, in the rotor's own azimuth scale.
struct RotorState {
    std::optional<double> rotorAzimuth;  // none before the first status with a reading
    double rotorElevation = 0;
    int rotorMotion = 0;  // -1 turning left, 0 standing, +1 turning right
    int rotorStatus4 = 0, rotorStatus5 = 0, rotorStatus6 = 0, rotorStatus7 = 0;
    int rotorMinAzimuth = 0;  // left end of travel, degrees
    int rotorMaxAzimuth = 0;  // right end of travel, degrees
    // The azimuth the rotor program last sent the rotator, whichever client asked, and a count
    // that grows with every target it sent; none and 0 from a rotor program that does not report
    // them.
    std::optional<double> rotorGoalAzimuth;
    int rotorGoalCount = 0;
    // That goal, while another client (a logger, a tracker) set it rather than this program.
    std::optional<double> rotorForeignGoal;
    bool rotorConnected = false;
    QString rotorProgramFolder;  // with trailing "/"; empty until read

    // Without a reading the rotor counts as standing here for the path rules, far below any
    // travel end, as it always has.
    static constexpr double noReadingAzimuth = -10000;  // degrees, sent as -100000 tenths
};
