// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// Finds room for the labels of markers on a picture so that no two labels overlap and none
// reaches outside it: each label goes to the first free one of four sides of its marker (right,
// left, above, below), or nowhere when all four are taken. Labels are placed in the order they
// come, so the ones given first win a contested place. The labels placed are kept in a grid of
// cells, so that a try looks only at the few labels near it: thousands place in well under a
// millisecond.
class LabelPlacer {
public:
    enum class Side { right, left, above, below };

    static constexpr int spacing = 2;  // pixels between a label and its marker's square

    // picture: where labels may lie; markerSize: the side of the square markers, pixels.
    LabelPlacer(const QRect& picture, int markerSize);

    // The place of a label of this size on one side of the marker centred at the pixel marker:
    // beside it vertically centred, or over or under it horizontally centred and clear of the
    // labels beside it.
    QRect at(Side side, QPoint marker, QSize size) const;
    // Where the label of the marker goes, taking that place; none when no side is free.
    std::optional<QRect> place(QPoint marker, QSize size);
    // Keeps labels off a part of the picture, such as a marker's square.
    void reserve(const QRect& rect);

private:
    static constexpr int cellWidth = 32;   // pixels, about half a call
    static constexpr int cellHeight = 16;  // pixels, about a line

    // The cells a rectangle inside the picture reaches into, as first and last column and row.
    struct Cells {
        int left, right, top, bottom;
    };
    Cells cellsOf(const QRect& rect) const;
    std::vector<QRect>& cell(int column, int row) { return cells_[std::size_t(row) * columns_ + column]; }
    bool isFree(const QRect& rect);

    QRect picture_;
    int markerSize_;
    int columns_, rows_;
    std::vector<std::vector<QRect>> cells_;  // row by row: the placed labels reaching into each cell
};
