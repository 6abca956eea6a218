// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where a top-level window stands, as the settings file keeps it: the top-left corner of its
// client area, screen pixels. Saved and restored in the same coordinates, so that a window
// manager's frame cannot shift a window at every start (a window placed by its frame corner but
// read back by its client corner, or the other way round, creeps by the frame each time).
class WindowPlace {
public:
    static QPoint of(const QWidget* window);
    // Puts the window's client area at the place read from the settings file, keeping its size and
    // moved as little as needed to lie whole on the screen (WindowGeometry), whatever the file holds;
    // once framed, its title bar stays on a screen (TitleBarGuard).
    static void restore(QWidget* window, const QPoint& place);
    // The window's size as it will be shown: a window not shown yet is polished and laid out
    // first, so that it is kept on the screen at its real size.
    static QSize settledSize(QWidget* window);
    // The same for a window whose size is restored too, pixels as the file holds them.
    static void restore(QWidget* window, int left, int top, int width, int height);
};
