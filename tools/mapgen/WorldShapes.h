// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPolygonF>
#include <QString>

#include <vector>

// Country outlines as read from the TopoJSON source. Points are (longitude, latitude) in degrees;
// every ring and arc is already continuous across 180 degrees (see AntimeridianRing), so a ring
// may reach beyond -180 .. +180 and is drawn once more shifted by 360 degrees.

// One polygon: the outer ring first, then its holes.
using ShapePolygon = std::vector<QPolygonF>;

struct CountryShape {
    QString numericId;  // ISO 3166 numeric code as text, empty for a few disputed areas
    QString name;       // short English name of Natural Earth
    std::vector<ShapePolygon> polygons;
};

// A piece of outline as stored once in the topology, with the countries that use it: one user
// makes it a coastline, two make it a land border.
struct ShapeArc {
    QPolygonF points;
    std::vector<int> countries;  // indices into WorldShapes::countries, ascending
};

struct WorldShapes {
    std::vector<CountryShape> countries;
    std::vector<ShapeArc> arcs;
};
