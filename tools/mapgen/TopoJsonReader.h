// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "tools/mapgen/WorldShapes.h"

#include <QString>

// Reads the country outlines of a TopoJSON file (world-atlas countries-50m.json): the quantised,
// delta-encoded arcs and the "countries" object of Polygon and MultiPolygon geometries.
class TopoJsonReader {
public:
    // Throws AppError when the file is missing or not a topology with a "countries" object.
    static WorldShapes read(const QString& path);
};
