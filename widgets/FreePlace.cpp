// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/FreePlace.h"

#include "widgets/WindowGeometry.h"

#include <limits>

QPoint FreePlace::beside(const QRect& mainFrame, const QSize& frameSize, const QList<QRect>& others,
                         const QPoint& keepInSight, const QRect& screen)
{
    const int width = frameSize.width();
    const int height = frameSize.height();
    const QPoint sides[] = {
        {mainFrame.right() + 1 + gap, mainFrame.top()},
        {mainFrame.left() - gap - width, mainFrame.top()},
        {mainFrame.left(), mainFrame.bottom() + 1 + gap},
        {mainFrame.left(), mainFrame.top() - gap - height},
    };
    // What a side covers of the windows, the main one included; the point in sight counts more
    // than any window.
    const auto covered = [&](const QRect& frame) {
        qint64 pixels = frame.contains(keepInSight) ? std::numeric_limits<int>::max() : 0;
        for (const QRect& other : others + QList<QRect> {mainFrame}) {
            const QRect common = frame.intersected(other);
            pixels += common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        }
        return pixels;
    };
    QRect best;
    qint64 bestCovered = std::numeric_limits<qint64>::max();
    for (const QPoint& side : sides) {
        const QRect frame = WindowGeometry::clamped(side.x(), side.y(), width, height, screen);
        const qint64 pixels = covered(frame);
        if (pixels < bestCovered) {
            best = frame;
            bestCovered = pixels;
        }
    }
    return best.topLeft();
}
