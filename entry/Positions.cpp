#include "entry/Positions.h"

GeoPosition ownPosition;
GeoPosition partnerPosition;
