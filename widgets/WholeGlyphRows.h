// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QStyledItemDelegate>

// The rows of a list or table tall enough for every glyph of their font, the dots of Ä, Ö and Ü
// included (GlyphOverhang), where the style sizes them by the font's reported line alone.
class WholeGlyphRows : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
