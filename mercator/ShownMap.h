// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "app/MapPlaces.h"

class QWidget;
class TForm1;
class TForm10;

// The map now shown in the main window (exactly one of the Mercator and the beam image), for the
// tool windows that remember their place separately for each map.
class ShownMap {
public:
    // Either window may be missing (its creation failed); its map then counts as not shown.
    ShownMap(const TForm1* mercatorWindow, const TForm10* beamWindow);

    bool mercator() const;
    bool beam() const;

    // Moves the tool window to its place for the shown map.
    void restore(QWidget* window, const MapPlaces& places, MapPlaces::Tool tool) const;
    // Keeps the tool window's position as its place for every visible map image.
    void remember(const QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const;
    // Restores the tool window's place whenever the main window switches to the other map.
    void restoreOnSwitch(QWidget* window, const MapPlaces& places, MapPlaces::Tool tool) const;

private:
    const TForm1* mercatorWindow_;
    const TForm10* beamWindow_;
};
