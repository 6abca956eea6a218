#include "geo/CoordinateText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Random texts, half of them from the characters the readers care about and half arbitrary
// UTF-16 code units (unpaired surrogates and NUL included), must never crash the readers.
TEST(TextFuzz, ReadersSurviveRandomTexts)
{
    const QString alphabet = QString::fromUtf8("0123456789+-.,eE °'\":;\tJOZAaz");
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        const int length = std::uniform_int_distribution<int>(0, 24)(random);
        QString text;
        for (int i = 0; i < length; ++i) {
            if (round % 2 == 0)
                text += alphabet.at(std::uniform_int_distribution<int>(0, alphabet.size() - 1)(random));
            else
                text += QChar(char16_t(std::uniform_int_distribution<int>(0, 0xFFFF)(random)));
        }
        const double decimal = parseDecimal(text);
        const double dms = dmsTextToDegrees(text);
        EXPECT_FALSE(std::isnan(decimal)) << text.toStdString();
        EXPECT_FALSE(std::isnan(dms)) << text.toStdString();
        if (IsLocatorText(text)) {
            double latitude = 0, longitude = 0;
            EXPECT_NO_THROW(locatorToPosition(text, latitude, longitude));
        }
    }
}

// Writers produce texts of the documented shape for any finite value.
TEST(TextFuzz, WritersKeepTheirShape)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> degrees(-400.0, 400.0);
    for (int round = 0; round < 20000; ++round) {
        const double a = degrees(random), b = degrees(random);
        EXPECT_EQ(positionToLocator(a, b).size(), 6);
        const QString dms = degreesToDmsText(a);
        EXPECT_TRUE(dms.endsWith(QLatin1Char('"'))) << dms.toStdString();
        EXPECT_NEAR(dmsTextToDegrees(dms), a, 1.0 / 3600) << dms.toStdString();
    }
    for (double odd : {qQNaN(), qInf(), -qInf(), 1e300}) {
        EXPECT_EQ(positionToLocator(odd, odd).size(), 6);
        EXPECT_FALSE(degreesToDmsText(odd).isEmpty());
    }
}

} // namespace
