#include "geo/AppError.h"
#include "geo/CoordinateText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ParseDecimal, ReadsBothSeparatorsSignsAndExponents)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"7,25", 7.25},     {"7.25", 7.25},   {"", 0.0},       {"  -3.5", -3.5},  {"+4", 4.0},
        {"1.5e3", 1500.0},  {"2,5E-1", 0.25}, {"-0", -0.0},    {".5", 0.5},       {"12.", 12.0},
        // Longest valid leading part: trailing garbage, a second comma, a bare exponent mark.
        {"12abc", 12.0},    {"1,2,3", 1.2},   {"3e", 3.0},     {"3e+", 3.0},      {"abc", 0.0},
        {"-", 0.0},         {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1e-999", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseDecimal(QString::fromUtf8(c.text)), c.value);
    }
}

TEST(IsLocatorText, AcceptsOnlySixCharacterUpperCasePattern)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"JO31MM", true}, {"ZZ99ZZ", true},  {"AA00AA", true},   {"jo31mm", false}, {"JO31M", false},
        {"JO31MMA", false}, {"JOX1MM", false}, {"J031MM", false}, {"JO31M1", false}, {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsLocatorText(QString::fromUtf8(c.text)), c.valid);
    }
}

TEST(LocatorToPosition, GivesSubsquareCentre)
{
    const struct {
        const char* locator;
        double latitude, longitude;
    } cases[] = {
        {"JO31MM", 51.5208333, 7.0416667},
        {"AA00AA", -89.9791667, -179.9583333},
        {"JJ00AA", 0.0208333, 0.0416667},
        {"RR99XX", 89.9791667, 179.9583333},
        {"ZZ99ZZ", 160.0 + 9 + 26.0 / 24 - 1.0 / 48, 320.0 + 18 + 25.0 / 12 + 1.0 / 24},  // no folding
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locator);
        double latitude = 0, longitude = 0;
        locatorToPosition(QString::fromUtf8(c.locator), latitude, longitude);
        EXPECT_NEAR(latitude, c.latitude, 5e-8);
        EXPECT_NEAR(longitude, c.longitude, 5e-8);
    }
}

TEST(LocatorToPosition, NonDigitInDigitPositionIsConversionError)
{
    const struct {
        const char* locator;
        const char* message;
    } cases[] = {
        {"JOX1MM", "'X' ist kein gültiger Integerwert"},
        {"JO3YMM", "'Y' ist kein gültiger Integerwert"},
        {"JO", "'' ist kein gültiger Integerwert"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locator);
        double latitude = 1, longitude = 2;
        try {
            locatorToPosition(QString::fromUtf8(c.locator), latitude, longitude);
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(latitude, 1);
        EXPECT_EQ(longitude, 2);
    }
}

TEST(PositionToLocator, EncodesFieldSquareSubsquareWithSingleStepFolding)
{
    const struct {
        double longitude, latitude;
        const char* locator;
    } cases[] = {
        {7.0, 51.5, "JO31MM"},
        {13.4, 52.5, "JO62QM"},
        {-0.5, 51.5, "IO91SM"},
        {0.0, 0.0, "JJ00AA"},
        {7.0416667, 51.5208333, "JO31MM"},
        {-180.0, -90.0, "AA00AA"},
        {180.0, 0.0, "SJ00AA"},  // not clamped to R
        {0.0, 90.0, "JS00AA"},
        {190.0, 0.0, "AJ50AA"},   // folded once
        {-190.0, 0.0, "RJ50AA"},
        {-0.0001, -0.0001, "II99XX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locator);
        EXPECT_EQ(positionToLocator(c.longitude, c.latitude), QString::fromUtf8(c.locator));
    }
}

TEST(PositionToLocator, RoundTripsEveryCentreOfASquare)
{
    for (const char* locator : {"JO31MM", "AA00AA", "RR99XX", "FN20XA", "PM95VQ", "KG44AX"}) {
        SCOPED_TRACE(locator);
        double latitude = 0, longitude = 0;
        locatorToPosition(QString::fromUtf8(locator), latitude, longitude);
        EXPECT_EQ(positionToLocator(longitude, latitude), QString::fromUtf8(locator));
    }
}

TEST(DegreesToDmsText, CutsSecondsAndKeepsSignOfSmallNegatives)
{
    const struct {
        double degrees;
        const char* text;
    } cases[] = {
        {7.5, "07°30'00\""},     {-0.5, "-00°30'00\""},      {123.25, "123°15'00\""},
        {0.999999, "00°59'59\""}, {0.0, "00°00'00\""},       {-12.5, "-12°30'00\""},
        {-179.9583333, "-179°57'29\""}, {51.5208333, "51°31'14\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(degreesToDmsText(c.degrees), QString::fromUtf8(c.text));
    }
}

TEST(DmsTextToDegrees, ReadsAnySeparatorAndSignOfDegrees)
{
    const struct {
        const char* text;
        double degrees;
    } cases[] = {
        {"12", 12.0},
        {"-12 30", -12.5},
        {"00°30'00\"", 0.5},
        {"-00°30'00\"", -0.5},
        {"07°30'00\"", 7.5},
        {"  12:30:36  ", 12.51},
        {"12.30.36", 12.51},  // "." separates fields, it is no decimal point here
        {"12,5", 12 + 5.0 / 60},
        {"12°30", 12.5},
        {"", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NEAR(dmsTextToDegrees(QString::fromUtf8(c.text)), c.degrees, 1e-12);
    }
}

TEST(DmsText, RoundTripsToWithinTheCutSecond)
{
    for (double degrees : {0.999999, -0.999999, -0.25, 45.123456, -123.987654, 179.999, -89.5}) {
        SCOPED_TRACE(degrees);
        const double back = dmsTextToDegrees(degreesToDmsText(degrees));
        EXPECT_LE(std::fabs(back), std::fabs(degrees));
        EXPECT_LT(std::fabs(degrees - back), 1.0 / 3600);
    }
}

} // namespace
