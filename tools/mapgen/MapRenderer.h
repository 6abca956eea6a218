// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "tools/mapgen/MapSheet.h"
#include "tools/mapgen/WorldShapes.h"

#include <QImage>

#include <vector>

// Paints the political map of a sheet: light blue sea, pastel countries that differ from their
// neighbours, thin dark coastlines and thin reddish land borders, antialiased.
class MapRenderer {
public:
    explicit MapRenderer(const WorldShapes& world);

    QImage render(const MapSheet& sheet) const;

private:
    const WorldShapes& world_;
    std::vector<int> colours_;  // palette index per country
};
