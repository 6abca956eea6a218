// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/ShownMap.h"

#include "readout/MapWindow.h"
#include "widgets/FreePlace.h"
#include "widgets/ImageWidget.h"
#include "widgets/WindowPlace.h"

#include <QApplication>
#include <QScreen>

ShownMap::ShownMap(const MapWindow* mercatorWindow, const MapWindow* beamWindow)
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

MapPlaces::Map ShownMap::map() const
{
    return mercator() ? MapPlaces::Map::mercator : MapPlaces::Map::beam;
}

void ShownMap::restore(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const
{
    if (const auto place = places.place(tool, map()))
        WindowPlace::restore(window, *place);
    else if (window->isVisible())
        takeFreePlace(window, places, tool);
}

void ShownMap::beforeShowing(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const
{
    if (!places.place(tool, map()))
        takeFreePlace(window, places, tool);
}

void ShownMap::takeFreePlace(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const
{
    const QPoint place = freePlace(window);
    places.setPlace(tool, map(), place);
    WindowPlace::restore(window, place);
}

QPoint ShownMap::freePlace(QWidget* window) const
{
    const MapWindow* map = mercator() ? mercatorWindow_ : beamWindow_;
    if (!map)
        return MapPlaces::designedPlace;
    const QWidget* image = map->image();
    const QWidget* main = image->window();
    // A window not shown yet has no frame: it is taken to be framed as the main window is.
    const QWidget* framed = window->isVisible() ? window : main;
    const QRect client = framed->geometry();
    const QRect frame = framed->frameGeometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const QSize size = WindowPlace::settledSize(window);
    QList<QRect> others;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && other != main && other->isVisible() && other->windowType() != Qt::Popup)
            others << other->frameGeometry();
    }
    const QPoint corner =
        FreePlace::beside(main->frameGeometry(), size.grownBy(margins), others,
                          image->mapToGlobal(image->rect().center()), main->screen()->availableGeometry());
    return corner + QPoint(margins.left(), margins.top());
}

void ShownMap::remember(const QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const
{
    const QPoint at = WindowPlace::of(window);
    if (mercator())
        places.setPlace(tool, MapPlaces::Map::mercator, at);
    if (beam())
        places.setPlace(tool, MapPlaces::Map::beam, at);
}

void ShownMap::restoreOnSwitch(QWidget* window, MapPlaces& places, MapPlaces::Tool tool) const
{
    const auto restorePlace = [shown = *this, window, &places, tool] { shown.restore(window, places, tool); };
    if (mercatorWindow_)
        QObject::connect(mercatorWindow_, &MapWindow::mapChosen, window, restorePlace);
    if (beamWindow_)
        QObject::connect(beamWindow_, &MapWindow::mapChosen, window, restorePlace);
}
