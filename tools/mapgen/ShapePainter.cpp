// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/ShapePainter.h"

#include <QPainter>

namespace {

constexpr double shifts[] = {-360.0, 0.0, 360.0};  // degrees of longitude

} // namespace

ShapePainter::ShapePainter(const MapSheet& sheet) : toPixels_(sheet.degreesToPixels())
{
}

QPainterPath ShapePainter::polygonPath(const ShapePolygon& polygon) const
{
    return polygonsPath({polygon});
}

QPainterPath ShapePainter::polygonsPath(const std::vector<ShapePolygon>& polygons) const
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (double shift : shifts) {
        const QTransform transform = QTransform::fromTranslate(shift, 0) * toPixels_;
        for (const ShapePolygon& polygon : polygons) {
            for (const QPolygonF& ring : polygon) {
                path.addPolygon(transform.map(ring));
                path.closeSubpath();
            }
        }
    }
    return path;
}

void ShapePainter::strokeLine(QPainter& painter, const QPolygonF& line) const
{
    for (double shift : shifts)
        painter.drawPolyline((QTransform::fromTranslate(shift, 0) * toPixels_).map(line));
}
