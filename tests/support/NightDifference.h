// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>

// How a map picture with the night shading on differs from the same picture with it off: of the
// pixels in a mark's colour, how many kept it, and how many other pixels the shading darkened.
struct NightDifference {
    int marked = 0;
    int kept = 0;
    int darkened = 0;

    static NightDifference of(const QImage& day, const QImage& night, QRgb mark)
    {
        NightDifference difference;
        for (int y = 0; y < day.height(); ++y)
            for (int x = 0; x < day.width(); ++x) {
                if (day.pixel(x, y) == mark) {
                    ++difference.marked;
                    difference.kept += night.pixel(x, y) == mark;
                } else if (night.pixel(x, y) != day.pixel(x, y)) {
                    ++difference.darkened;
                }
            }
        return difference;
    }
};
