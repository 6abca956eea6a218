#pragma once

class MapProjection;
class QPainter;

// Something drawn over a map picture at every redraw, below the antenna line (shading, markers).
// It is written once for both maps: the projection says where each position lies.
class MapLayer {
public:
    virtual ~MapLayer() = default;

    virtual void draw(QPainter& painter, const MapProjection& projection) const = 0;
};
