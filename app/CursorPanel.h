// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QWidget>

// The cursor panel beside the mouse. It paints its own background instead of having it filled,
// so that moving it, which happens at every mouse move, repaints the spots it leaves and enters
// instead of first copying its old pixels across the screen's backing store.
class CursorPanel : public QWidget {
public:
    explicit CursorPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
