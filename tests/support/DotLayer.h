// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"
#include "geo/MapProjection.h"

#include <QColor>
#include <QPainter>

// A map layer that marks one position with a red pixel, wherever the map's projection puts it.
class DotLayer : public MapLayer {
public:
    explicit DotLayer(const GeoPosition& position) : position_(position) { }

    void draw(QPainter& painter, const MapProjection& projection) const override
    {
        painter.setPen(QColor(255, 0, 0));
        painter.drawPoint(projection.pixelOf(position_));
    }

private:
    GeoPosition position_;
};
