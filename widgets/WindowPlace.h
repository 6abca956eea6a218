// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>

class QWidget;

// Where a top-level window stands, as the settings file keeps it: the top-left corner of its
// client area, screen pixels. Saved and restored in the same coordinates, so that a window
// manager's frame cannot shift a window at every start (a window placed by its frame corner but
// read back by its client corner, or the other way round, creeps by the frame each time).
class WindowPlace {
public:
    static QPoint of(const QWidget* window);
    // Puts the window's client area at the place read from the settings file, keeping its size and
    // moved as little as needed to lie whole on the screen (WindowGeometry), whatever the file holds.
    static void restore(QWidget* window, const QPoint& place);
};
