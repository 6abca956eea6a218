// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "tools/mapgen/WorldShapes.h"

#include <vector>

// Gives every country a palette index that differs from those of all countries it shares a
// border arc with (greedy colouring, most neighbours first, so a handful of colours suffices).
class MapColouring {
public:
    static std::vector<int> colour(const WorldShapes& world, int paletteSize);
};
