// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "tools/mapgen/MapSheet.h"
#include "tools/mapgen/WorldShapes.h"

#include <QPainterPath>

class QPainter;

// Turns outlines in degrees into pixel paths of a sheet. Every outline is taken three times,
// shifted by -360, 0 and +360 degrees, so that a ring that reaches beyond 180 degrees shows on
// both edges of a world-wide sheet; even-odd filling keeps holes open whatever copy they match.
class ShapePainter {
public:
    explicit ShapePainter(const MapSheet& sheet);

    QPainterPath polygonPath(const ShapePolygon& polygon) const;
    QPainterPath polygonsPath(const std::vector<ShapePolygon>& polygons) const;
    void strokeLine(QPainter& painter, const QPolygonF& line) const;

private:
    QTransform toPixels_;
};
