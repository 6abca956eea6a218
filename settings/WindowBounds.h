// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QRect>

// A window's place and size as the settings file keeps them, screen pixels. Four plain numbers
// rather than a QRect: a hand-edited file may hold values whose sum overflows a QRect's edges.
struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    static WindowBounds of(const QRect& geometry)
    {
        return {geometry.left(), geometry.top(), geometry.width(), geometry.height()};
    }
    bool operator==(const WindowBounds& other) const
    {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
    bool operator!=(const WindowBounds& other) const { return !(*this == other); }
};
