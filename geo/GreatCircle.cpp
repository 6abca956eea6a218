// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/GreatCircle.h"

#include "geo/GreatCircleFrom.h"

long double greatCircleDistance(long double longitude1, long double latitude1, long double longitude2,
                                long double latitude2)
{
    return GreatCircleFrom(longitude1, latitude1).distanceTo(longitude2, latitude2);
}

double greatCircleBearing(double longitude1, double latitude1, double longitude2, double latitude2)
{
    return GreatCircleFrom(longitude1, latitude1).bearingTo(longitude2, latitude2);
}
