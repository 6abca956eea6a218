// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/MapColouring.h"

#include <algorithm>
#include <numeric>
#include <set>

std::vector<int> MapColouring::colour(const WorldShapes& world, int paletteSize)
{
    const int count = int(world.countries.size());
    std::vector<std::set<int>> neighbours(count);
    for (const ShapeArc& arc : world.arcs)
        for (int a : arc.countries)
            for (int b : arc.countries)
                if (a != b)
                    neighbours[a].insert(b);

    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return neighbours[a].size() > neighbours[b].size(); });

    std::vector<int> colours(count, -1);
    for (int country : order) {
        std::vector<bool> taken(paletteSize, false);
        for (int other : neighbours[country])
            if (colours[other] >= 0)
                taken[colours[other]] = true;
        // With more neighbours than colours a clash is unavoidable; fall back to a steady choice.
        const auto free = std::find(taken.begin(), taken.end(), false);
        colours[country] = free != taken.end() ? int(free - taken.begin()) : country % paletteSize;
    }
    return colours;
}
