// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "readout/CursorPanelFit.h"

#include <QWidget>

#include <array>

class QLabel;
class QTimer;

// The cursor panel beside the mouse over a map image, with its four lines: position, distance,
// bearing and country. It paints its own background instead of having it filled, so that moving
// it, which happens at every mouse move, repaints the spots it leaves and enters instead of first
// copying its old pixels across the screen's backing store.
class CursorPanel : public QWidget {
public:
    static constexpr int designedWidth = 144, designedHeight = 59;  // pixels

    static constexpr int shownMs = 400;  // how long the panel stays after the last showOnTop, ms

    // Hidden until the first showOnTop; then shown for hideAfterMs after each, ms.
    explicit CursorPanel(QWidget* parent, int hideAfterMs = shownMs);

    // Fills the four lines and widens the panel when one does not fit.
    void showLines(const QString& position, const QString& distance, const QString& bearing, const QString& country);
    // Places the panel beside the mouse, image pixels, where it fits in the image.
    void placeBeside(QPoint mouse, QSize image);
    // Shows the panel over the map image it lies on, for the time given at construction.
    void showOnTop();

    // Line 0 .. 3, from the top.
    QLabel* line(int index) const { return lines_[std::size_t(index)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QLabel*, CursorPanelFit::lineCount> lines_ {};
    QTimer* hideTimer_ = nullptr;
    CursorPanelFit fit_;
};
