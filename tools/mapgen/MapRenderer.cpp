// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/MapRenderer.h"

#include "tools/mapgen/MapColouring.h"
#include "tools/mapgen/ShapePainter.h"

#include <QPainter>

namespace {

const QColor seaColour(170, 211, 223);
const QColor coastColour(40, 60, 90);
const QColor borderColour(190, 70, 70);
const QColor palette[] = {
    {248, 226, 164}, {206, 232, 176}, {240, 200, 200}, {214, 204, 236},
    {250, 210, 160}, {190, 226, 216}, {236, 236, 190},
};
constexpr int paletteSize = int(std::size(palette));
constexpr double lineWidth = 0.8;  // pixels

} // namespace

MapRenderer::MapRenderer(const WorldShapes& world)
    : world_(world), colours_(MapColouring::colour(world, paletteSize))
{
}

QImage MapRenderer::render(const MapSheet& sheet) const
{
    QImage image(sheet.pixels(), QImage::Format_RGB32);
    image.fill(seaColour);
    const ShapePainter shapes(sheet);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < world_.countries.size(); ++i) {
        painter.setBrush(palette[colours_[i]]);
        painter.drawPath(shapes.polygonsPath(world_.countries[i].polygons));
    }

    painter.setBrush(Qt::NoBrush);
    for (const ShapeArc& arc : world_.arcs) {
        const bool coast = arc.countries.size() < 2;
        painter.setPen(QPen(coast ? coastColour : borderColour, lineWidth));
        shapes.strokeLine(painter, arc.points);
    }
    return image;
}
