// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/HelpAddress.h"

#include <gtest/gtest.h>

namespace {

struct TrimCase {
    const char16_t* text;
    const char16_t* trimmed;
};

TEST(HelpAddressTest, TrimRemovesBlanksAndControlCharactersAtBothEndsOnly)
{
    const TrimCase cases[] = {
        {u"", u""},
        {u"   ", u""},
        {u" Rotor\t", u"Rotor"},
        {u"\x01\x1f" u"Beam karte\r\n", u"Beam karte"},
        {u"\u00a0Höhe", u"\u00a0Höhe"},  // a no-break space is a character of the text
    };
    for (const TrimCase& c : cases)
        EXPECT_EQ(HelpAddress::trimBlanksAndControls(QString::fromUtf16(c.text)), QString::fromUtf16(c.trimmed));
}

TEST(HelpAddressTest, AnEmptyAnchorIsTheTopOfThePage)
{
    const QUrl url = HelpAddress::toUrl(QStringLiteral("/opt/Corvane/Help/Corvane.htm"), QString(), QUrl());
    EXPECT_EQ(url.toLocalFile(), QStringLiteral("/opt/Corvane/Help/Corvane.htm"));
    EXPECT_TRUE(url.hasFragment());
    EXPECT_TRUE(url.fragment().isEmpty());
}

TEST(HelpAddressTest, AnAnchorWithoutPageStaysOnTheShownFile)
{
    const QUrl shown = QUrl::fromLocalFile(QStringLiteral("/opt/Corvane/Help/Corvane.htm"));
    const QUrl url = HelpAddress::toUrl(QString(), QStringLiteral("Rotor"), shown);
    EXPECT_EQ(url.toLocalFile(), shown.toLocalFile());
    EXPECT_EQ(url.fragment(), QStringLiteral("Rotor"));
}

TEST(HelpAddressTest, AHashInAFolderNameBelongsToTheFile)
{
    const QUrl url = HelpAddress::toUrl(QStringLiteral("/home/dl#1/Help/Corvane.htm"), QStringLiteral("Beamkarte"), QUrl());
    EXPECT_EQ(url.toLocalFile(), QStringLiteral("/home/dl#1/Help/Corvane.htm"));
    EXPECT_EQ(url.fragment(), QStringLiteral("Beamkarte"));
}

} // namespace
