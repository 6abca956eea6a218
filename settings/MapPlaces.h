// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>

#include <array>
#include <optional>

// Where the position entry and the crosshair data windows stand, one place for each map, screen
// pixels. Shared by the map windows, which read and write the places with their settings
// sections, and the two tool windows, which move to them and keep them up to date. The entry
// window starts at 5,350; the crosshair window has no place until the file gives one or it
// takes a free one beside the main window (a first start).
class MapPlaces {
public:
    enum class Tool { entry, crosshair };
    enum class Map { mercator, beam };

    static constexpr QPoint designedPlace {5, 350};  // screen pixels

    std::optional<QPoint> place(Tool tool, Map map) const { return places_[index(tool, map)]; }
    void setPlace(Tool tool, Map map, const std::optional<QPoint>& place) { places_[index(tool, map)] = place; }

private:
    static int index(Tool tool, Map map) { return 2 * int(tool) + int(map); }

    std::array<std::optional<QPoint>, 4> places_ {designedPlace, designedPlace, std::nullopt, std::nullopt};
};
