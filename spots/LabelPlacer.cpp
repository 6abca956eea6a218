// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/LabelPlacer.h"

#include <algorithm>

LabelPlacer::LabelPlacer(const QRect& picture, int markerSize)
    : picture_(picture), markerSize_(markerSize), columns_(std::max(1, (picture.width() + cellWidth - 1) / cellWidth)),
      rows_(std::max(1, (picture.height() + cellHeight - 1) / cellHeight)), cells_(std::size_t(columns_) * rows_)
{
}

QRect LabelPlacer::at(Side side, QPoint marker, QSize size) const
{
    // The marker's square runs from first to last, pixels, in both directions from its centre.
    const int first = -markerSize_ / 2;
    const int last = first + markerSize_ - 1;
    // The labels beside the marker, vertically centred; those over and under it clear both them
    // and the square, so that all four sides can be taken at once.
    const int besideTop = marker.y() - size.height() / 2;
    const int besideBottom = besideTop + size.height() - 1;
    switch (side) {
    case Side::right:
        return {marker.x() + last + 1 + spacing, besideTop, size.width(), size.height()};
    case Side::left:
        return {marker.x() + first - spacing - size.width(), besideTop, size.width(), size.height()};
    case Side::above: {
        const int bottom = std::min(marker.y() + first - 1 - spacing, besideTop - 1);
        return {marker.x() - size.width() / 2, bottom - size.height() + 1, size.width(), size.height()};
    }
    case Side::below:
        break;
    }
    const int top = std::max(marker.y() + last + 1 + spacing, besideBottom + 1);
    return {marker.x() - size.width() / 2, top, size.width(), size.height()};
}

std::optional<QRect> LabelPlacer::place(QPoint marker, QSize size)
{
    for (const Side side : {Side::right, Side::left, Side::above, Side::below}) {
        const QRect rect = at(side, marker, size);
        if (!picture_.contains(rect) || !isFree(rect))
            continue;
        reserve(rect);
        return rect;
    }
    return std::nullopt;
}

void LabelPlacer::reserve(const QRect& rect)
{
    const QRect inside = rect & picture_;
    if (inside.isEmpty())
        return;
    const Cells cells = cellsOf(inside);
    for (int row = cells.top; row <= cells.bottom; ++row)
        for (int column = cells.left; column <= cells.right; ++column)
            cell(column, row).push_back(inside);
}

bool LabelPlacer::isFree(const QRect& rect)
{
    const Cells cells = cellsOf(rect);
    for (int row = cells.top; row <= cells.bottom; ++row)
        for (int column = cells.left; column <= cells.right; ++column)
            for (const QRect& placed : cell(column, row))
                if (placed.intersects(rect))
                    return false;
    return true;
}

LabelPlacer::Cells LabelPlacer::cellsOf(const QRect& rect) const
{
    return {(rect.left() - picture_.left()) / cellWidth,
            std::min(columns_ - 1, (rect.right() - picture_.left()) / cellWidth),
            (rect.top() - picture_.top()) / cellHeight,
            std::min(rows_ - 1, (rect.bottom() - picture_.top()) / cellHeight)};
}
