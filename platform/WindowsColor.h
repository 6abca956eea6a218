// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QColor>

// Colours are kept as Windows values 0x00BBGGRR where they are stored or compared; these convert
// at the drawing edge.
class WindowsColor {
public:
    static QColor toQColor(unsigned value)
    {
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    }
    static unsigned fromQColor(const QColor& color)
    {
        return unsigned(color.red()) | unsigned(color.green()) << 8 | unsigned(color.blue()) << 16;
    }
};
