// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>

class MapProjection;
class QPainter;

// Something drawn over a map picture at every redraw, below the antenna line (shading, markers).
// It is written once for both maps: the projection says where each position lies.
class MapLayer {
public:
    // Where in a redraw a layer is drawn, bottom to top: shading right over the map's own pixels,
    // so that no mark is darkened by it; marks among the map's own (grid, cities, circles),
    // below the target's path; labels over everything but the antenna line.
    enum class Stage { shading, marks, labels };

    virtual ~MapLayer() = default;

    virtual Stage stage() const { return Stage::labels; }

    virtual void draw(QPainter& painter, const MapProjection& projection) const = 0;
    // A click on the picture that the layer answers itself (on one of its markers); false leaves
    // the click to the map.
    virtual bool takeClick(QPoint pixel, const MapProjection& projection) const
    {
        (void)pixel;
        (void)projection;
        return false;
    }
};
