#include "readout/TargetPoint.h"

#include "geo/GreatCircle.h"

TargetInfo TargetPoint::seenFrom(const GeoPosition& ownStation, double longitude, double latitude)
{
    TargetInfo target;
    target.longitude = longitude;
    target.latitude = latitude;
    target.bearing = greatCircleBearing(ownStation.latitude, ownStation.longitude, latitude, longitude);
    target.distance = static_cast<double>(
        greatCircleDistance(ownStation.latitude, ownStation.longitude, latitude, longitude));
    return target;
}
