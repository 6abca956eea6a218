// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/MapPlaces.h"

class QWidget;
class MapWindow;

// The map now shown in the main window (exactly one of the Mercator and the beam image), for the
// tool windows that remember their place separately for each map.
class ShownMap {
public:
    // Either window may be missing (its creation failed); its map then counts as not shown.
    ShownMap(const MapWindow* mercatorWindow, const MapWindow* beamWindow);

    bool mercator() const;
    bool beam() const;

    // Moves the tool window to its place for the shown map. Without one (a first start) a window
    // on the screen takes a free place beside the main window, which becomes its place; a hidden
    // one takes it when it is shown (beforeShowing).
    void restore(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const;
    // A hidden tool window about to be shown takes a free place when it has none for the shown map.
    void beforeShowing(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const;
    // Keeps the tool window's position as its place for every visible map image.
    void remember(const QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const;
    // Restores the tool window's place whenever the main window switches to the other map.
    void restoreOnSwitch(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const;

private:
    MapPlaces::Map map() const;
    void takeFreePlace(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const;
    // Beside the main window, clear of the program's other windows and of the map's centre
    // (FreePlace); the corner of the client area, as places are kept.
    QPoint freePlace(QWidget* window) const;

    const MapWindow* mercatorWindow_;
    const MapWindow* beamWindow_;
};
