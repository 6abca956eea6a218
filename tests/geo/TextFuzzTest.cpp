// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CoordinateText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Random texts, half from the characters the readers care about and half arbitrary UTF-16 code
// units (NUL and unpaired surrogates included): the readers must neither crash nor give NaN.
TEST(TextFuzz, ReadersSurviveRandomTexts)
{
    const QString alphabet = QString::fromUtf8("0123456789+-.,eE °'\":;\tJOZAaz");
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        for (int i = std::uniform_int_distribution<int>(0, 24)(random); i > 0; --i)
            text += round % 2 ? QChar(char16_t(random() & 0xFFFF)) : alphabet.at(int(random() % alphabet.size()));
        EXPECT_FALSE(std::isnan(parseDecimal(text)));
        EXPECT_FALSE(std::isnan(dmsTextToDegrees(text)));
        double latitude = 0, longitude = 0;
        if (IsLocatorText(text)) {
            EXPECT_NO_THROW(locatorToPosition(text, longitude, latitude));
        }
    }
}

// The writers keep their shape for any value, and degree-minute-second text reads back to within
// the cut second.
TEST(TextFuzz, WritersKeepTheirShape)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> degrees(-400.0, 400.0);
    for (int round = 0; round < 20000; ++round) {
        const double a = degrees(random), b = degrees(random);
        EXPECT_EQ(positionToLocator(a, b).size(), 6);
        const double back = dmsTextToDegrees(degreesToDmsText(a));
        EXPECT_LE(std::fabs(back), std::fabs(a));
        EXPECT_LT(std::fabs(a - back), 1.0 / 3600);
    }
    for (double odd : {qQNaN(), qInf(), -qInf(), 1e300}) {
        EXPECT_EQ(positionToLocator(odd, odd).size(), 6);
        EXPECT_FALSE(degreesToDmsText(odd).isEmpty());
    }
}

} // namespace
