// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/MenuCaption.h"

#include <QKeySequence>
#include <gtest/gtest.h>

namespace {

// A caption gets the first free letter or digit, never J or L; the text shown and Qt's own reading
// of the accelerator agree with what was marked.
TEST(MenuCaptionTest, MarksTheFirstFreeLetterAndShowsTheCaptionUnchanged)
{
    const struct {
        const char *caption, *taken, *marked;
        char16_t accelerator;  // 0: none
    } cases[] = {
        {"Europa", "-", "&Europa", 'E'},
        {"Europa", "E-", "E&uropa", 'U'},
        {"Lettland", "", "L&ettland", 'E'},      // L stays free for the rotor
        {"Jan Mayen", "AN", "Jan &Mayen", 'M'},  // J stays free too; blanks are skipped
        {"Süd", "S", "S&üd", u'Ü'},              // an umlaut is a letter like any other
        {"A&B", "A", "A&&&B", 'B'},              // a plain "&" stays one
        {"Nord 2", "NORD", "Nord &2", '2'},
        {"Ll", "", "Ll", 0},  // nothing free: no accelerator
        {"", "", "", 0},
    };
    for (const auto& c : cases) {
        const QString caption = QString::fromUtf8(c.caption);
        const QString marked = MenuCaption::marked(caption, QString::fromUtf8(c.taken));
        EXPECT_EQ(marked, QString::fromUtf8(c.marked)) << c.caption;
        EXPECT_EQ(MenuCaption::shown(marked), caption) << c.caption;
        EXPECT_EQ(MenuCaption::accelerator(marked), QChar(c.accelerator)) << c.caption;
        const QKeySequence qtMnemonic = QKeySequence::mnemonic(marked);
        EXPECT_EQ(qtMnemonic.isEmpty() ? 0 : qtMnemonic[0].key(), c.accelerator) << c.caption;
    }
}

}  // namespace
