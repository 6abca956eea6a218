// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class QFont;

// How far the glyphs of a font reach beyond the line the font reports (ascent and descent): the
// dots and accents above capitals (Ä, Ö, Ü, É, Å) and some descenders do in small sizes. Text is
// centred on the reported line, so a row or label that leaves this much room above and below it
// shows every glyph whole. Pixels.
class GlyphOverhang {
public:
    static int of(const QFont& font);
};
