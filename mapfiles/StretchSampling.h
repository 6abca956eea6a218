// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class Bmp24File;
class QImage;

// Which pixel of an RGB32 image QPainter::drawImage shows at each pixel of an RGB32 surface when
// it stretches a part of the image over a rectangle, unsmoothed and clipped. A picture built from
// these pixels alone is the one drawImage gives, without the whole image in memory. They are found
// by drawing index images through the same painter path: nearest-pixel stretching takes each
// column from the horizontal geometry alone and each row from the vertical alone, so two images
// one pixel thick stand for the whole one.
class StretchSampling {
public:
    // drawImage(target, image of imageSize, source) onto a surface of surfaceSize clipped to clip.
    StretchSampling(QSize surfaceSize, const QRect& clip, const QRect& target, QSize imageSize, const QRect& source);

    // Per surface column and row: the image column or row shown there, or -1 where nothing is drawn.
    const std::vector<int>& columns() const { return columns_; }
    const std::vector<int>& rows() const { return rows_; }

    // Copies the pixels the drawing shows, read from the image's file, onto the surface; rows the
    // file no longer holds are left as they were.
    void copyFrom(const Bmp24File& file, QImage& surface) const;
    // Stretches the source part of the file over the shown rectangle of the surface, clipped to it,
    // as drawImage does at the surface's device pixel ratio; shown is in the surface's logical pixels.
    static void copyShown(const Bmp24File& file, const QRect& source, QImage& surface, const QRect& shown);

private:
    std::vector<int> columns_, rows_;
};
