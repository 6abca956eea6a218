#pragma once

#include <QString>

// The rotor values as the rotor program reports them, and the target to send it. Angles in
// degrees, in the rotor's own azimuth scale.
struct RotorState {
    static constexpr double noStatus = -10000;  // rotorAzimuth before the first status, degrees

    double rotorAzimuth = noStatus;
    double rotorElevation = 0;
    int rotorMotion = 0;  // -1 turning left, 0 standing, +1 turning right
    int rotorStatus4 = 0, rotorStatus5 = 0, rotorStatus6 = 0, rotorStatus7 = 0;
    int rotorMinAzimuth = 0;  // left end of travel, degrees
    int rotorMaxAzimuth = 0;  // right end of travel, degrees
    // The azimuth the rotor program last sent the rotator, whichever client asked, and a count
    // that grows with every target it sent; noStatus and 0 from a rotor program that does not
    // report them.
    double rotorGoalAzimuth = noStatus;
    int rotorGoalCount = 0;
    double rotorTargetAzimuth = 0;
    double rotorTargetElevation = 0;
    bool rotorSendPending = false;
    bool rotorConnected = false;
    QString rotorProgramFolder;  // with trailing "/"; empty until read
};
