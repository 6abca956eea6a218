// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace {

// One axis: the extent cut to the available one, the start moved inside. Pixels.
void clampAxis(int start, int extent, qint64 lowest, qint64 room, int& newStart, int& newExtent)
{
    const qint64 kept = std::clamp<qint64>(extent, 1, std::max<qint64>(room, 1));
    newExtent = int(kept);
    newStart = int(std::clamp<qint64>(start, lowest, lowest + std::max<qint64>(room - kept, 0)));
}

// Pixels a rectangle covers.
qint64 area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
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

QList<QRect> WindowGeometry::screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

QPoint WindowGeometry::titleBarShift(const QRect& frame, int titleHeight, const QList<QRect>& screens)
{
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), std::max(titleHeight, 1)));
    qint64 covered = 0;
    for (const QRect& screen : screens)
        covered += area(screen.intersected(titleBar));
    if (screens.isEmpty() || covered == area(titleBar))
        return {};
    // The screen the window mostly stands on, or the nearest to its title bar.
    const auto overlap = [&frame](const QRect& screen) { return area(screen.intersected(frame)); };
    const auto distance = [&titleBar](const QRect& screen) {
        const QPoint gap = titleBar.center() - screen.center();
        return std::max<qint64>(std::abs(qint64(gap.x())) - screen.width() / 2, 0) +
            std::max<qint64>(std::abs(qint64(gap.y())) - screen.height() / 2, 0);
    };
    QRect target = screens.first();
    for (const QRect& screen : screens) {
        const bool moreOverlap = overlap(screen) > overlap(target);
        const bool nearer = overlap(target) == 0 && overlap(screen) == 0 && distance(screen) < distance(target);
        if (moreOverlap || nearer)
            target = screen;
    }
    // Top-left first, so that a frame taller or wider than the screen keeps its title bar there.
    const int left = std::max(std::min(frame.left(), target.right() + 1 - frame.width()), target.left());
    const int top = std::max(std::min(frame.top(), target.bottom() + 1 - frame.height()), target.top());
    return QPoint(left, top) - frame.topLeft();
}
