// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/AppError.h"
#include "geo/CoordinateText.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

TEST(ParseDecimal, BothSeparatorsSignsExponentsAndLongestValidLeadingPart)
{
    const struct { const char* text; double value; } cases[] = {
        {"7,25", 7.25}, {"7.25", 7.25}, {"", 0}, {"  -3.5", -3.5}, {"+4", 4}, {"2,5E-1", 0.25}, {".5", 0.5},
        {"12abc", 12}, {"1,2,3", 1.2}, {"3e+", 3}, {"-", 0}, {"abc", 0},
        {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1e-999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDecimal(u(c.text)), c.value) << c.text;
}

TEST(IsLocatorText, SixCharactersLetterLetterDigitDigitLetterLetterUpperCase)
{
    const struct { const char* text; bool valid; } cases[] = {
        {"JO31MM", true}, {"ZZ99ZZ", true}, {"jo31mm", false}, {"JO31M", false}, {"JO31MMA", false},
        {"JOX1MM", false}, {"J031MM", false}, {"JO31M1", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLocatorText(u(c.text)), c.valid) << c.text;
}

TEST(LocatorToPosition, CentreOfSubsquareWithoutFolding)
{
    const struct { const char* locator; double latitude, longitude; } cases[] = {
        {"JO31MM", 51.5208333, 7.0416667}, {"AA00AA", -89.9791667, -179.9583333},
        {"RR99XX", 89.9791667, 179.9583333}, {"ZZ99ZZ", 170.0625, 340.125},
    };
    for (const auto& c : cases) {
        double latitude = 0, longitude = 0;
        locatorToPosition(u(c.locator), longitude, latitude);
        EXPECT_NEAR(latitude, c.latitude, 5e-8) << c.locator;
        EXPECT_NEAR(longitude, c.longitude, 5e-8) << c.locator;
    }
}

TEST(LocatorToPosition, NonDigitInPosition3Or4IsConversionErrorAndWritesNothing)
{
    const struct { const char* locator; const char* message; } cases[] = {
        {"JOX1MM", "'X' ist kein gültiger Integerwert"}, {"JO3YMM", "'Y' ist kein gültiger Integerwert"},
        {"JO", "'' ist kein gültiger Integerwert"},
    };
    for (const auto& c : cases) {
        double latitude = 1, longitude = 2;
        try {
            locatorToPosition(u(c.locator), longitude, latitude);
            ADD_FAILURE() << c.locator;
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), u(c.message));
        }
        EXPECT_EQ(latitude, 1);
        EXPECT_EQ(longitude, 2);
    }
}

TEST(PositionToLocator, SingleStepFoldingAndNoClamping)
{
    const struct { double longitude, latitude; const char* locator; } cases[] = {
        {7.0, 51.5, "JO31MM"}, {13.4, 52.5, "JO62QM"}, {-0.5, 51.5, "IO91SM"}, {0, 0, "JJ00AA"},
        {7.0416667, 51.5208333, "JO31MM"}, {-180, -90, "AA00AA"}, {180, 0, "SJ00AA"}, {0, 90, "JS00AA"},
        {190, 0, "AJ50AA"}, {-190, 0, "RJ50AA"}, {-0.0001, -0.0001, "II99XX"}, {-74.04, 40.02, "FN20XA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(positionToLocator(c.longitude, c.latitude), u(c.locator));
}

TEST(DegreesToDmsText, CutsSecondsAndSignsSmallNegatives)
{
    const struct { double degrees; const char* text; } cases[] = {
        {7.5, "07°30'00\""}, {-0.5, "-00°30'00\""}, {123.25, "123°15'00\""}, {0.999999, "00°59'59\""},
        {0, "00°00'00\""}, {-179.9583333, "-179°57'29\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(degreesToDmsText(c.degrees), u(c.text));
}

// Every whole-second text from -180°00'00" to 180°00'00" reads back as typed, and so stays as typed
// however often it is confirmed: the cut allows for the double's representation error.
TEST(DegreesToDmsText, EveryWholeSecondTextReadsBackAsTyped)
{
    const int secondsTo180 = 180 * 3600;
    QStringList drifted;
    for (const bool negative : {false, true}) {
        // -00°00'00" reads as 0, which is written without a sign.
        for (int total = negative ? 1 : 0; total <= secondsTo180; ++total) {
            const QString text = QStringLiteral("%1%2°%3'%4\"")
                                     .arg(negative ? QStringLiteral("-") : QString())
                                     .arg(total / 3600, 2, 10, QLatin1Char('0'))
                                     .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(total % 60, 2, 10, QLatin1Char('0'));
            const QString back = degreesToDmsText(dmsTextToDegrees(text));
            if (back != text)
                drifted << text + QStringLiteral(" -> ") + back;
        }
    }
    EXPECT_EQ(drifted.size(), 0) << drifted.mid(0, 10).join(QStringLiteral(", ")).toStdString();
}

TEST(DmsTextToDegrees, AnySeparatorMissingFieldsZeroSignOfDegreesForAll)
{
    const struct { const char* text; double degrees; } cases[] = {
        {"12", 12}, {"-12 30", -12.5}, {"00°30'00\"", 0.5}, {"-00°30'00\"", -0.5}, {"  12:30:36  ", 12.51},
        {"12.30.36", 12.51}, {"12,5", 12 + 5.0 / 60}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(dmsTextToDegrees(u(c.text)), c.degrees, 1e-12) << c.text;
}

// Fields that overflow to opposite infinities (found by fuzzing) read as 0, never as NaN.
TEST(DmsTextToDegrees, OppositeOverflowingFieldsAreNoNumber)
{
    const QString huge(400, u'1');
    EXPECT_EQ(dmsTextToDegrees(huge + QStringLiteral(":-") + huge), 0.0);
    EXPECT_EQ(dmsTextToDegrees(QStringLiteral("-") + huge + QStringLiteral(":-") + huge), 0.0);
    EXPECT_TRUE(std::isinf(dmsTextToDegrees(huge)));
}

} // namespace
