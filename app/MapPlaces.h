// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>

#include <array>

// Where the position entry and the crosshair data windows stand, one place for each map, screen
// pixels. Shared by the map windows, which read and write the places with their settings
// sections, and the two tool windows, which move to them and keep them up to date.
class MapPlaces {
public:
    enum class Tool { entry, crosshair };
    enum class Map { mercator, beam };

    QPoint place(Tool tool, Map map) const { return places_[index(tool, map)]; }
    void setPlace(Tool tool, Map map, const QPoint& place) { places_[index(tool, map)] = place; }

private:
    static int index(Tool tool, Map map) { return 2 * int(tool) + int(map); }

    std::array<QPoint, 4> places_{QPoint(5, 350), QPoint(5, 350), QPoint(5, 350), QPoint(5, 350)};
};
