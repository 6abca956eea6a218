// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/CursorPanelFit.h"

#include <algorithm>

namespace {

// The text with every digit made a 0.
QString shapeOf(const QString& text)
{
    QString shape = text;
    for (QChar& c : shape) {
        if (c >= u'1' && c <= u'9')
            c = u'0';
    }
    return shape;
}

} // namespace

int CursorPanelFit::widest(const Lines& lines, const QFont& font, const std::function<int(int)>& measure)
{
    const bool newFont = !(font == font_);
    if (newFont) {
        font_ = font;
        for (auto& texts : measured_)
            texts.clear();
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!newFont && lines[i].size() == lengths_[i])
            continue;
        lengths_[i] = lines[i].size();
        QHash<QString, int>& texts = measured_[i];  // by shape
        const QString shape = shapeOf(lines[i]);
        const auto known = texts.constFind(shape);
        if (known != texts.constEnd()) {
            widths_[i] = known.value();
            continue;
        }
        if (texts.size() >= rememberedTexts)
            texts.clear();
        widths_[i] = measure(int(i));
        texts.insert(shape, widths_[i]);
    }
    return *std::max_element(widths_.begin(), widths_.end());
}
