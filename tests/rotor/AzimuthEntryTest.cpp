// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/AzimuthEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(AzimuthEntry, ShowsWholeDegreesPaddedToThreeCharacters)
{
    const std::pair<double, const char*> cases[] = {
        {5.2, "  5"}, {359.6, "360"}, {0.5, "  0"},     {1.5, "  2"},
        {-12, "-12"}, {123.4, "123"}, {-179.5, "-180"}, {1234, "1234"},
    };
    for (const auto& [azimuth, text] : cases)
        EXPECT_EQ(AzimuthEntry::display(azimuth), QString::fromLatin1(text)) << azimuth;
}

TEST(AzimuthEntry, ReadsOnlyDecimalIntegersAsBearings)
{
    for (const auto& [text, bearing] : {std::pair {"90", 90}, {"-30", -30}, {"000500", 500}})
        EXPECT_EQ(AzimuthEntry::bearing(QString::fromLatin1(text)), bearing) << text;
    for (const char* text : {"JO31", "12A", "-", "", "+5", " 5", "--5", "90\n", "90\r\n"})
        EXPECT_EQ(AzimuthEntry::bearing(QString::fromLatin1(text)), std::nullopt) << text;
}

TEST(AzimuthEntry, KeepsDigitsLettersMinusBackspaceAndEnter)
{
    const std::pair<int, int> cases[] = {
        {'a', 'A'}, {'z', 'Z'}, {'Q', 'Q'}, {'7', '7'}, {'-', '-'}, {8, 8},    {13, 13},
        {'+', 0},   {' ', 0},   {'.', 0},   {',', 0},   {27, 0},    {0xE4, 0},  // "ä" is no locator letter
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(AzimuthEntry::keptKey(typed), kept) << typed;
}

}  // namespace
