// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window bounds from the settings file made safe to apply: whatever a hand-edited or damaged file
// holds (INT_MIN, INT_MAX), the window ends up whole on the screen, and no arithmetic on the
// values overflows. All values in pixels.
class WindowGeometry {
public:
    // The rectangle left, top, width, height cut to the size of `available` (at least 1 by 1),
    // then moved as little as needed to lie inside it. Computed in 64 bits.
    static QRect clamped(int left, int top, int width, int height, const QRect& available);

    // The same against the screen area that windows may take (all screens, without task bars).
    static QRect onScreen(int left, int top, int width, int height);
    // Where a window of the given size goes when the file asks for x, y.
    static QPoint position(int x, int y, const QSize& size);

    // The screen area that windows may take.
    static QRect availableArea();
};
