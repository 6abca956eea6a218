// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>
#include <QPoint>

// One-pixel lines rasterised in integers, as the platform's line drawing does it: every pixel from
// the start up to, not including, the end point, so that a closed chain of lines sets each corner
// once.
class IntegerLine {
public:
    // RGB32 images; pixels outside the image are left out.
    static void draw(QImage& image, QPoint from, QPoint to, QRgb colour);
};
