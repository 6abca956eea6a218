#include "rotorbridge/MotionDetector.h"

#include <cmath>

int MotionDetector::update(std::optional<double> azimuth)
{
    if (!azimuth) {
        last_.reset();
        motion_ = 0;
        return motion_;
    }
    if (last_) {
        const double step = *azimuth - *last_;
        const bool keepsTurning = motion_ != 0 && step * motion_ > keepStep;
        if (!keepsTurning)
            motion_ = std::fabs(step) > startStep ? (step > 0 ? 1 : -1) : 0;
    }
    last_ = azimuth;
    return motion_;
}
