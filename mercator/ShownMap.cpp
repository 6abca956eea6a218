// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/ShownMap.h"

#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "widgets/WindowPlace.h"

ShownMap::ShownMap(const TForm1* mercatorWindow, const TForm10* beamWindow)
    : mercatorWindow_(mercatorWindow), beamWindow_(beamWindow)
{
}

bool ShownMap::mercator() const
{
    return mercatorWindow_ && mercatorWindow_->mapShown();
}

bool ShownMap::beam() const
{
    return beamWindow_ && beamWindow_->mapShown();
}

void ShownMap::restore(QWidget* window, const MapPlaces& places, MapPlaces::Tool tool) const
{
    const QPoint at = places.place(tool, mercator() ? MapPlaces::Map::mercator : MapPlaces::Map::beam);
    WindowPlace::restore(window, at);
}

void ShownMap::remember(const QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const
{
    const QPoint at = WindowPlace::of(window);
    if (mercator())
        places.setPlace(tool, MapPlaces::Map::mercator, at);
    if (beam())
        places.setPlace(tool, MapPlaces::Map::beam, at);
}

void ShownMap::restoreOnSwitch(QWidget* window, const MapPlaces& places, MapPlaces::Tool tool) const
{
    const auto restorePlace = [shown = *this, window, &places, tool] { shown.restore(window, places, tool); };
    if (mercatorWindow_)
        QObject::connect(mercatorWindow_, &TForm1::mapChosen, window, restorePlace);
    if (beamWindow_)
        QObject::connect(beamWindow_, &TForm10::mapChosen, window, restorePlace);
}
