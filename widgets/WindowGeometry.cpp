// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// One axis: the extent cut to the available one, the start moved inside. Pixels.
void clampAxis(int start, int extent, qint64 lowest, qint64 room, int& newStart, int& newExtent)
{
    const qint64 kept = std::clamp<qint64>(extent, 1, std::max<qint64>(room, 1));
    newExtent = int(kept);
    newStart = int(std::clamp<qint64>(start, lowest, lowest + std::max<qint64>(room - kept, 0)));
}

} // namespace

QRect WindowGeometry::clamped(int left, int top, int width, int height, const QRect& available)
{
    int x = 0, y = 0, w = 0, h = 0;
    clampAxis(left, width, available.x(), available.width(), x, w);
    clampAxis(top, height, available.y(), available.height(), y, h);
    return {x, y, w, h};
}

QRect WindowGeometry::availableArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableVirtualGeometry() : QRect(0, 0, 1920, 1080);
}

QRect WindowGeometry::onScreen(int left, int top, int width, int height)
{
    return clamped(left, top, width, height, availableArea());
}

QPoint WindowGeometry::position(int x, int y, const QSize& size)
{
    return onScreen(x, y, size.width(), size.height()).topLeft();
}
