#pragma once

#include <optional>

// Which way the rotator turns, from its successive azimuth readings (one per status). Readings of
// a standing rotator wobble by up to half a degree either way; a step counts as motion only when
// it is clearly larger than that wobble, and motion, once seen, holds while the steps go on the
// same way by more than the wobble can make. So a standing rotator reports 0 on every status and
// a turning one its direction without flickering.
class MotionDetector {
public:
    static constexpr double startStep = 1.5;  // degrees between two readings that start motion
    static constexpr double keepStep = 1.0;   // degrees between two readings that keep it going

    // The motion after this reading: -1 turning left (smaller azimuths), 0 standing, +1 turning
    // right. Nothing (the position could not be read) forgets the readings before.
    int update(std::optional<double> azimuth);

private:
    std::optional<double> last_;  // degrees
    int motion_ = 0;
};
