// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/MapTransforms.h"

#include "base/Rounding.h"

namespace {

// Pixel of value on an axis whose edges are near (pixel 0) and far (pixel size), both degrees.
int toPixel(long double value, long double near, long double far, int size)
{
    return roundHalfEven((value - near) * size / (far - near));
}

// Degrees at pixel on the same axis.
long double toDegrees(long double pixel, long double near, long double far, int size)
{
    return near + (far - near) * pixel / size;
}

} // namespace

int lonToViewX(const MapView& view, int imageWidth, long double longitude)
{
    return toPixel(longitude, view.left, view.right, imageWidth);
}

int latToViewY(const MapView& view, int imageHeight, long double latitude)
{
    return toPixel(latitude, view.top, view.bottom, imageHeight);
}

// The whole bitmap follows the same rule as the visible image, over entry 0.
int lonToMapBitmapX(const MapView& wholeMap, int bitmapWidth, long double longitude)
{
    return lonToViewX(wholeMap, bitmapWidth, longitude);
}

int latToMapBitmapY(const MapView& wholeMap, int bitmapHeight, long double latitude)
{
    return latToViewY(wholeMap, bitmapHeight, latitude);
}

long double viewXToLon(const MapView& view, int imageWidth, long double x)
{
    return toDegrees(x, view.left, view.right, imageWidth);
}

long double viewYToLat(const MapView& view, int imageHeight, long double y)
{
    return toDegrees(y, view.top, view.bottom, imageHeight);
}
