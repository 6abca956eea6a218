#include "geo/GreatCircle.h"

#include <cmath>

namespace {

// Point 1 and point 2 in radians, converted once from degrees.
struct RadianPair {
    long double lat1, lat2, deltaLon;

    RadianPair(long double latitude1, long double longitude1, long double latitude2, long double longitude2)
        : lat1(latitude1 * degToRad), lat2(latitude2 * degToRad), deltaLon((longitude2 - longitude1) * degToRad)
    {
    }

    // Central angle in radians from the spherical law of cosines; the cosine passes through a
    // double, as arcCosClamped takes one.
    double centralAngle() const
    {
        return arcCosClamped(
            static_cast<double>(std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(deltaLon)));
    }
};

} // namespace

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
    if (latitude2 == noTargetCoordinate || longitude2 == noTargetCoordinate)
        return 0.0L;
    // Radians on the sphere times its radius.
    return RadianPair(latitude1, longitude1, latitude2, longitude2).centralAngle() * earthRadiusKm;
}

double greatCircleBearing(double latitude1, double longitude1, double latitude2, double longitude2)
{
    // Cases the formula's floating point gets wrong: its divisor is never exactly 0 (the cosine of
    // 90 degrees is not), and at a pole or on one meridian the east-west sign is noise.
    const double deltaLon = std::fmod(longitude2 - longitude1, 360.0);  // degrees, exact
    const bool sameMeridian = deltaLon == 0.0;
    if (std::fabs(latitude1) == 90.0)
        return 0.0;  // point 1 at a pole: every direction is south or north
    if (sameMeridian && latitude2 == latitude1)
        return 0.0;  // the same point
    if (std::fabs(deltaLon) == 180.0 && latitude2 == -latitude1)
        return 0.0;  // the antipode
    if (latitude2 == 90.0 || (sameMeridian && latitude2 > latitude1))
        return 360.0;
    if (latitude2 == -90.0 || sameMeridian)
        return 180.0;

    // The spherical triangle pole - point 1 - point 2, solved for the angle at point 1 with the
    // law of cosines; the sign of the longitude difference decides east or west.
    const RadianPair p(latitude1, longitude1, latitude2, longitude2);
    const long double sigma = p.centralAngle();  // radians, rounded to double on purpose
    const long double divisor = std::sin(sigma) * std::cos(p.lat1);
    if (divisor == 0.0L)
        return 0.0;

    const double angle = static_cast<double>(
        arcCosClamped(static_cast<double>((std::sin(p.lat2) - std::cos(sigma) * std::sin(p.lat1)) / divisor)) / degToRad);
    const long double eastward = std::cos(p.lat2) * std::sin(p.deltaLon) / std::sin(sigma);
    return eastward > 0.0L ? angle : 360.0 - angle;
}
