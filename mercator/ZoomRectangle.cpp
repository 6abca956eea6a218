// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/ZoomRectangle.h"

#include "base/Rounding.h"
#include "geo/MapTransforms.h"

#include <algorithm>

QRect ZoomRectangle::rectangle(int dragStartX, int dragStartY, int x, QSize bitmapSize)
{
    if (bitmapSize.isEmpty())
        return {};
    const int x1 = std::min(x, dragStartX);
    const int x2 = std::max(x, dragStartX);
    // Product in integers, the division in extended precision, rounded half to even.
    const long long product = static_cast<long long>(bitmapSize.height()) * (x2 - x1);
    const int height = roundHalfEven(static_cast<long double>(product) / bitmapSize.width());
    return QRect(QPoint(x1, dragStartY), QSize(x2 - x1, height));
}

std::optional<MapView> ZoomRectangle::zoomedView(const QRect& rectangle, const MapView& current, QSize imageSize,
                                                 const MapView& whole)
{
    const int right = rectangle.x() + rectangle.width();
    const int bottom = rectangle.y() + rectangle.height();
    MapView view;
    view.left = viewXToLon(current, imageSize.width(), rectangle.x());
    view.right = viewXToLon(current, imageSize.width(), right);
    view.top = viewYToLat(current, imageSize.height(), rectangle.y());
    view.bottom = viewYToLat(current, imageSize.height(), bottom);
    if (view.bottom < whole.bottom) {
        view.top += whole.bottom - view.bottom;
        view.bottom = whole.bottom;
    }
    if (view.right - view.left < narrowestShare * (whole.right - whole.left) || view.top <= view.bottom)
        return std::nullopt;
    return view;
}
