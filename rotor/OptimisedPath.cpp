#include "rotor/OptimisedPath.h"

#include <cmath>

namespace {

constexpr double fullTurn = 360;  // degrees

} // namespace

double OptimisedPath::rotorTarget(double bearing, const Travel& travel, double overlap, bool optimise)
{
    if (!optimise || std::fabs(bearing - travel.azimuth) <= fullTurn / 2)
        return bearing;
    double result = bearing;
    if (bearing + fullTurn < travel.maxAzimuth + overlap)
        result = bearing + fullTurn;
    else if (bearing - fullTurn > travel.minAzimuth - overlap)
        result = bearing - fullTurn;
    // The overlap may have carried the target past an end: stop just inside it.
    if (result > travel.maxAzimuth)
        result = travel.maxAzimuth - 1;
    if (result < travel.minAzimuth)
        result = travel.minAzimuth + 1;
    return result;
}

double OptimisedPath::listTarget(double azimuth, const Travel& travel)
{
    if (std::fabs(azimuth - travel.azimuth) <= fullTurn / 2)
        return azimuth;
    if (azimuth + fullTurn < travel.maxAzimuth)
        return azimuth + fullTurn;
    if (azimuth - fullTurn > travel.minAzimuth)
        return azimuth - fullTurn;
    return azimuth;
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
