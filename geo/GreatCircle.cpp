#include "geo/GreatCircle.h"

#include "geo/GreatCircleFrom.h"

long double greatCircleDistance(long double latitude1, long double longitude1, long double latitude2,
                                long double longitude2)
{
    return GreatCircleFrom(latitude1, longitude1).distanceTo(latitude2, longitude2);
}

double greatCircleBearing(double latitude1, double longitude1, double latitude2, double longitude2)
{
    return GreatCircleFrom(latitude1, longitude1).bearingTo(latitude2, longitude2);
}
