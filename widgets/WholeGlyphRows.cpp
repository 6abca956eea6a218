// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WholeGlyphRows.h"

#include "widgets/GlyphOverhang.h"

#include <algorithm>

QSize WholeGlyphRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int whole = option.fontMetrics.height() + 2 * GlyphOverhang::of(option.font);
    size.setHeight(std::max(size.height(), whole));
    return size;
}
