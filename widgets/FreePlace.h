// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window that has no place of its own yet (a first start) goes: beside the main window,
// right of it, else left, below or above, kept inside the screen, where it covers none of the
// program's windows and not the point that must stay in sight (the map's centre). When no side
// is free, the side that covers the least of them. Frames, screen pixels.
class FreePlace {
public:
    static constexpr int gap = 8;  // pixels between the windows' frames

    // The top-left corner of the window's frame.
    static QPoint beside(const QRect& mainFrame, const QSize& frameSize, const QList<QRect>& others,
                         const QPoint& keepInSight, const QRect& screen);
};
