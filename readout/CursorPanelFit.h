// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <array>
#include <functional>

// The width of the cursor panel's widest line. A line is measured again only when its length has
// changed since the last call and no text of its shape (the same text with other digits) has been
// measured before in the font at hand; all are measured after a change of font. Digits are taken
// as equally wide, as in the panel's fonts. Measuring a label costs several times the rest of a
// mouse read-out, which runs at every mouse move, while the lines mostly keep their lengths from one
// move to the next and the country line comes back to the same few names.
class CursorPanelFit {
public:
    static constexpr int lineCount = 4;
    using Lines = std::array<QString, lineCount>;

    // measure(i) gives the width of line i in pixels.
    int widest(const Lines& lines, const QFont& font, const std::function<int(int)>& measure);

private:
    // Texts remembered per line before the memory starts anew; far more than there are countries.
    static constexpr qsizetype rememberedTexts = 1024;

    std::array<qsizetype, lineCount> lengths_{-1, -1, -1, -1};  // characters; -1 before the first call
    std::array<int, lineCount> widths_{};                         // pixels
    std::array<QHash<QString, int>, lineCount> measured_;          // pixels by shape, in font_
    QFont font_;
};
