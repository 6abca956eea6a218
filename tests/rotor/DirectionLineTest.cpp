// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionLine.h"

#include "base/AppError.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(DirectionLine, SplitsAtTheTabs)
{
    // The identifier as the list shows it, azimuth and elevation as a click reads them, and the three
    // fields as the editor shows them.
    const std::pair<QString, QStringList> cases[] = {
        {"RELAIS NORD\t15\t0", {"RELAIS NORD", "15", "0", "RELAIS NORD", "15", "0"}},
        {"ABC", {"", "", "", "ABC", "", ""}},
        {"X\t10", {"X", "10", "", "X", "10", ""}},
        {"X\t10\t5\tRest", {"X", "10", "5\tRest", "X", "10", "5\tRest"}},
        {"\t\t", {"", "", "", "", "", ""}},
        {"", {"", "", "", "", "", ""}},
        // A click reads at most 50 characters after each TAB.
        {"L\t0000000000000000000000000000000000000000000000000012\t7",
         {"L", "00000000000000000000000000000000000000000000000000", "", "L",
          "0000000000000000000000000000000000000000000000000012", "7"}},
    };
    for (const auto& [line, expected] : cases) {
        const DirectionLine::Fields edit = DirectionLine::editFields(line);
        EXPECT_EQ((QStringList {DirectionLine::identifier(line), DirectionLine::clickAzimuth(line),
                                DirectionLine::clickElevation(line), edit.identifier, edit.azimuth, edit.elevation}),
                  expected)
            << line.toStdString();
    }
}

TEST(DirectionLine, EditorNumbersAreDecimalWithAPointAndNothingAfter)
{
    const std::pair<const char*, double> read[] = {{"12.6", 12.6}, {"  15", 15}, {"-30", -30}, {"+5", 5},
                                                   {"-3e2", -300}, {"12.", 12},  {".5", 0.5},  {"1E1", 10}};
    for (const auto& [text, value] : read)
        EXPECT_EQ(DirectionLine::editorNumber(QString::fromLatin1(text)), value) << text;
    for (const char* text : {"12,6", "", "15 ", "abc", "1e999", "inf", "1.2.3", "0x10", "15\n", "15\r"})
        EXPECT_EQ(DirectionLine::editorNumber(QString::fromLatin1(text)), std::nullopt) << text;
}

TEST(DirectionLine, LocaleNumbersReadTheUsersSeparatorAndReportOthers)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DirectionLine::localeNumber(QStringLiteral("12,5")), 12.5);
    EXPECT_EQ(DirectionLine::localeNumber(QStringLiteral("-90")), -90);
    for (const char* text : {"abc", "", "1e999"}) {
        try {
            DirectionLine::localeNumber(QString::fromLatin1(text));
            ADD_FAILURE() << text << " was read";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(QString::fromLatin1(text)));
        }
    }
    QLocale::setDefault(QLocale::c());
}

TEST(DirectionLine, SortsIgnoringCaseAndKeepsEqualLinesInOrder)
{
    QStringList lines {"b\t1\t0", "a\t3\t0", "A\t3\t0", "B\t1\t0", "ABC"};
    DirectionLine::sort(lines);
    EXPECT_EQ(lines, (QStringList {"a\t3\t0", "A\t3\t0", "ABC", "b\t1\t0", "B\t1\t0"}));
    // A new line goes after the lines equal to it.
    for (const auto& [line, position] : {std::pair {"A\t3\t0", 2}, {"0", 0}, {"z", 5}})
        EXPECT_EQ(DirectionLine::insertPosition(lines, line), position) << line;
}

}  // namespace
