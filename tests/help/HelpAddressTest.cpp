// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/HelpAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpAddressTest, TrimRemovesBlanksAndControlCharactersAtBothEndsOnly)
{
    const struct {
        const char16_t *text, *trimmed;
    } cases[] = {
        {u"", u""},
        {u"   ", u""},
        {u" Rotor\t", u"Rotor"},
        {u"\x01\x1f" u"Beam karte\r\n", u"Beam karte"},
        {u"\u00a0Höhe", u"\u00a0Höhe"},  // a no-break space is a character of the text
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpAddress::trimBlanksAndControls(QString::fromUtf16(c.text)), QString::fromUtf16(c.trimmed));
}

TEST(HelpAddressTest, PageAndAnchorMakeTheAddress)
{
    const QString help = QStringLiteral("/opt/Corvane/Help/Corvane.htm");
    const struct {
        const char* what;
        QString page, anchor, shown, file, fragment;
    } cases[] = {
        {"an empty anchor is the top of the page", help, QString(), QString(), help, QString()},
        {"an anchor without a page stays on the shown file", QString(), QStringLiteral("Rotor"), help, help,
         QStringLiteral("Rotor")},
        {"a hash in a folder name belongs to the file", QStringLiteral("/home/dl#1/Help/Corvane.htm"),
         QStringLiteral("Beamkarte"), QString(), QStringLiteral("/home/dl#1/Help/Corvane.htm"),
         QStringLiteral("Beamkarte")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QUrl url =
            HelpAddress::toUrl(c.page, c.anchor, c.shown.isEmpty() ? QUrl() : QUrl::fromLocalFile(c.shown));
        EXPECT_EQ(url.toLocalFile(), c.file);
        EXPECT_TRUE(url.hasFragment());  // an empty fragment, not none, for the top of the page
        EXPECT_EQ(url.fragment(), c.fragment);
    }
}

} // namespace
