#include "geo/GreatCircle.h"

#include "geo/GreatCircleFrom.h"

#include <cmath>

double arcCosClamped(double x)
{
    if (std::fabs(x) >= 1.0)
        return x >= 0.0 ? 0.0 : static_cast<double>(geo_detail::pi);
    const long double v = x;
    return static_cast<double>(geo_detail::pi / 2.0L - std::atan(v / std::sqrt(1.0L - v * v)));
}

long double greatCircleDistance(long double latitude1, long double longitude1, long double latitude2,
                                long double longitude2)
{
    return GreatCircleFrom(latitude1, longitude1).distanceTo(latitude2, longitude2);
}

double greatCircleBearing(double latitude1, double longitude1, double latitude2, double longitude2)
{
    return GreatCircleFrom(latitude1, longitude1).bearingTo(latitude2, longitude2);
}
