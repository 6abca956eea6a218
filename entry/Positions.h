#pragma once

#include "geo/GeoPosition.h"

// The own station, read at start from the settings, and the last partner entered.
extern GeoPosition ownPosition;
extern GeoPosition partnerPosition;
