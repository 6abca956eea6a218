// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionLine.h"

#include "base/AppError.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct FieldsCase {
    const char* line;
    const char* identifier;     // as the list shows it
    const char* clickAzimuth;   // as a click reads it
    const char* clickElevation;
    const char* editIdentifier; // as the editor shows it
    const char* editAzimuth;
    const char* editElevation;
};

const FieldsCase fieldsCases[] = {
    {"RELAIS NORD\t15\t0", "RELAIS NORD", "15", "0", "RELAIS NORD", "15", "0"},
    {"ABC", "", "", "", "ABC", "", ""},
    {"X\t10", "X", "10", "", "X", "10", ""},
    {"X\t10\t5\tRest", "X", "10", "5\tRest", "X", "10", "5\tRest"},
    {"\t\t", "", "", "", "", "", ""},
    {"", "", "", "", "", "", ""},
    // A click reads at most 50 characters after each TAB.
    {"L\t0000000000000000000000000000000000000000000000000012\t7", "L",
     "00000000000000000000000000000000000000000000000000", "", "L", "0000000000000000000000000000000000000000000000000012",
     "7"}};

TEST(DirectionLine, SplitsAtTheTabs)
{
    const auto text = [](const char* latin1) { return QString::fromLatin1(latin1); };
    for (const FieldsCase& c : fieldsCases) {
        const QString line = text(c.line);
        EXPECT_EQ(DirectionLine::identifier(line), text(c.identifier)) << c.line;
        EXPECT_EQ(DirectionLine::clickAzimuth(line), text(c.clickAzimuth)) << c.line;
        EXPECT_EQ(DirectionLine::clickElevation(line), text(c.clickElevation)) << c.line;
        const DirectionLine::Fields fields = DirectionLine::editFields(line);
        EXPECT_EQ(fields.identifier, text(c.editIdentifier)) << c.line;
        EXPECT_EQ(fields.azimuth, text(c.editAzimuth)) << c.line;
        EXPECT_EQ(fields.elevation, text(c.editElevation)) << c.line;
    }
}

TEST(DirectionLine, EditorNumbersAreDecimalWithAPointAndNothingAfter)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"12.6", 12.6}, {"  15", 15}, {"-30", -30}, {"+5", 5}, {"-3e2", -300}, {"12.", 12}, {".5", 0.5}, {"1E1", 10},
        {"12,6", std::nullopt}, {"", std::nullopt}, {"15 ", std::nullopt}, {"abc", std::nullopt},
        {"1e999", std::nullopt}, {"inf", std::nullopt}, {"1.2.3", std::nullopt}, {"0x10", std::nullopt},
        {"15\n", std::nullopt}, {"15\r", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(DirectionLine::editorNumber(QString::fromLatin1(text)), value) << text;
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
            EXPECT_EQ(error.message(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(QString::fromLatin1(text)));
        }
    }
    QLocale::setDefault(QLocale::c());
}

TEST(DirectionLine, SortsIgnoringCaseAndKeepsEqualLinesInOrder)
{
    QStringList lines{QStringLiteral("b\t1\t0"), QStringLiteral("a\t3\t0"), QStringLiteral("A\t3\t0"), QStringLiteral("B\t1\t0"),
                      QStringLiteral("ABC")};
    DirectionLine::sort(lines);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("a\t3\t0"), QStringLiteral("A\t3\t0"), QStringLiteral("ABC"),
                                  QStringLiteral("b\t1\t0"), QStringLiteral("B\t1\t0")}));
    // A new line goes after the lines equal to it.
    EXPECT_EQ(DirectionLine::insertPosition(lines, QStringLiteral("A\t3\t0")), 2);
    EXPECT_EQ(DirectionLine::insertPosition(lines, QStringLiteral("0")), 0);
    EXPECT_EQ(DirectionLine::insertPosition(lines, QStringLiteral("z")), 5);
}

} // namespace
