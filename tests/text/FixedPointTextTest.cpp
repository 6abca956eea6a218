// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "text/FixedPointText.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// The separator follows the default locale even when it changes between two calls; thousands are
// never grouped.
TEST(FixedPointTextTest, FollowsTheDefaultLocaleWithoutGrouping)
{
    struct Case { QLocale locale; double value; int decimals; const char* text; };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), 13386.04, 1, "13386,0"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 13386.04, 1, "13386.0"},
        {QLocale(QLocale::German, QLocale::Germany), -7.0417, 2, "-7,04"},
        {QLocale(QLocale::French, QLocale::France), 1234567.891, 2, "1234567,89"},
        {QLocale::c(), 20037.51, 1, "20037.5"},
    };
    const QLocale before;
    for (const Case& c : cases) {
        QLocale::setDefault(c.locale);
        EXPECT_EQ(FixedPointText::format(c.value, c.decimals), QString::fromUtf8(c.text)) << c.text;
    }
    QLocale::setDefault(before);
}

// The digits written without the locale must be the locale's own: exact ties of the binary value
// (0.125 to two decimals) rounded away from zero, near ties by the exact value, and numbers of
// every size; checked against the locale's formatting for random values at every precision.
TEST(FixedPointTextTest, WritesTheLocalesDigits)
{
    const QLocale before;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        QLocale reference = locale;
        reference.setNumberOptions(QLocale::OmitGroupSeparator);
        const auto expectSame = [&](double value, int decimals) {
            ASSERT_EQ(FixedPointText::format(value, decimals).toStdString(),
                      reference.toString(value, 'f', decimals).toStdString())
                << value << " to " << decimals << " decimals";
        };
        const double ties[] = {0.125, 0.5, 2.5, 0.375, 1.0625, 1e-7, 0.0, 9.995, 0.995, 99999.95, 0x1p50 + 0.5};
        for (double value : ties)
            for (int decimals = 0; decimals <= 8; ++decimals)
                expectSame(value, decimals);
        std::mt19937_64 random(20261208);
        std::uniform_real_distribution<double> exponent(-8, 16);
        std::uniform_int_distribution<int> decimals(0, 6);
        for (int i = 0; i < 200000; ++i)
            expectSame(std::pow(10.0, exponent(random)), decimals(random));
        // Values on a grid of halves of the last shown place, where a tie is most likely.
        std::uniform_int_distribution<long long> halves(0, 4000000);
        for (int i = 0; i < 200000; ++i) {
            const int shown = decimals(random);
            expectSame(double(halves(random)) / (2 * std::pow(10.0, shown)), shown);
        }
    }
    QLocale::setDefault(before);
}

} // namespace
