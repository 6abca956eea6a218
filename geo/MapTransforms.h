// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapView.h"

// Linear conversions between degrees and pixels of the Mercator map: pixels are evenly spaced in
// latitude and longitude. The view passed is the last zoom entry for the visible image and entry 0
// for the whole map bitmap; widths and heights are in pixels. Pixels are rounded half to even.

int lonToViewX(const MapView& view, int imageWidth, long double longitude);
int latToViewY(const MapView& view, int imageHeight, long double latitude);
int lonToMapBitmapX(const MapView& wholeMap, int bitmapWidth, long double longitude);
int latToMapBitmapY(const MapView& wholeMap, int bitmapHeight, long double latitude);

// Degrees at a (possibly fractional) pixel column or row of the visible image.
long double viewXToLon(const MapView& view, int imageWidth, long double x);
long double viewYToLat(const MapView& view, int imageHeight, long double y);
