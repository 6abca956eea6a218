// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapView.h"

#include <QRect>
#include <QSize>

#include <optional>

// The zoom rectangle of a left drag on the Mercator map: its left and right follow the mouse, its
// top is where the button went down, and its height follows from its width and the map bitmap's
// aspect ratio. Pixels are those of the shown image.
class ZoomRectangle {
public:
    // The smallest share of the whole map's longitude span a view may show.
    static constexpr long double narrowestShare = 0.08L;

    // Rectangle between the two x positions from dragStartY down; empty when the bitmap is.
    static QRect rectangle(int dragStartX, int dragStartY, int x, QSize bitmapSize);

    // The view the rectangle selects in the current view, moved north when it reaches below the
    // whole map's bottom; nothing when it would be narrower than narrowestShare of the whole map.
    static std::optional<MapView> zoomedView(const QRect& rectangle, const MapView& current, QSize imageSize,
                                             const MapView& whole);
};
