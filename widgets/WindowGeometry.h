// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

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

    // The screen area that windows may take.
    static QRect availableArea();

    // How far a framed window moves so that its title bar (the frame's top titleHeight pixels)
    // lies on the screens' available areas: nothing when it does already; otherwise the frame
    // moves as little as needed to lie inside the screen it overlaps most (or, overlapping none,
    // the nearest one). Pixels.
    static QPoint titleBarShift(const QRect& frame, int titleHeight, const QList<QRect>& screens);
    // The available areas of the screens there are now.
    static QList<QRect> screenAreas();
};
