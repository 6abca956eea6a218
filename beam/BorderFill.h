// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>
#include <QPoint>

// Flood fill bounded by a colour: from a seed pixel, every pixel reachable through its four
// neighbours without crossing a pixel of the border colour takes the fill colour.
class BorderFill {
public:
    // Nothing when the seed lies outside the image or on the border colour. RGB32 images.
    static void fill(QImage& image, QPoint seed, QRgb border, QRgb colour);
};
