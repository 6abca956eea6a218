// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/GlyphOverhang.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>

int GlyphOverhang::of(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The highest and the lowest glyphs of German and the common Latin accents.
    const QRect glyphs = metrics.tightBoundingRect(QStringLiteral("ÄÖÜÂÉÅÇÑgjpqyß|"));
    const int above = -glyphs.top() - metrics.ascent();
    const int below = glyphs.bottom() + 1 - metrics.descent();
    return std::max({0, above, below});
}
