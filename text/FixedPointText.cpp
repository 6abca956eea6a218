// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "text/FixedPointText.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::array<double, 7> powersOfTen{1, 10, 100, 1e3, 1e4, 1e5, 1e6};

// What the formatting depends on, taken from the default locale once per change of it: making a
// locale and setting its options costs more than the formatting itself, and the mouse read-out
// formats three numbers per move.
struct Formatting {
    QLocale shownFor = QLocale::c();
    QLocale locale = QLocale::c();
    QChar decimalPoint = u'.';
    bool asciiDigits = true;  // the locale writes 0-9, so the digits can be made here
};

const Formatting& formattingForDefault()
{
    thread_local Formatting formatting;
    const QLocale current;
    if (!(current == formatting.shownFor)) {
        formatting.shownFor = current;
        formatting.locale = current;
        formatting.locale.setNumberOptions(QLocale::OmitGroupSeparator);
        const QString point = current.decimalPoint();
        formatting.decimalPoint = point.size() == 1 ? point.front() : QChar();
        formatting.asciiDigits = current.zeroDigit() == QLatin1String("0") && point.size() == 1;
    }
    return formatting;
}

// value · 10^decimals rounded to an integer the way the locale's formatting rounds: the exact
// binary value to the nearest, an exact tie away from zero. Empty when the product leaves the
// range in which a double holds every integer and half.
bool scaledAndRounded(double value, int decimals, std::uint64_t& rounded)
{
    const double scale = powersOfTen[std::size_t(decimals)];
    const double product = value * scale;
    if (!(product < 0x1p51))
        return false;
    // The exact product is product + error; fma gives the error without rounding.
    const double error = std::fma(value, scale, -product);
    const double whole = std::floor(product);
    const double fraction = product - whole;  // exact below 2^51
    const bool up = fraction > 0.5 || (fraction == 0.5 && error >= 0);
    rounded = std::uint64_t(whole) + (up ? 1 : 0);
    return true;
}

} // namespace

QString FixedPointText::format(double value, int decimals)
{
    QString text;
    append(text, value, decimals);
    return text;
}

void FixedPointText::append(QString& text, double value, int decimals)
{
    const Formatting& formatting = formattingForDefault();
    std::uint64_t rounded = 0;
    // The common case, a non-negative number of a few decimals, is written here digit by digit;
    // the rest goes to the locale, whose rounding the fast path repeats.
    if (!formatting.asciiDigits || decimals < 0 || decimals >= int(powersOfTen.size()) || !(value >= 0)
        || std::signbit(value) || !scaledAndRounded(value, decimals, rounded)) {
        text += formatting.locale.toString(value, 'f', decimals);
        return;
    }
    std::array<char16_t, 32> digits{};  // written from the end
    std::size_t start = digits.size();
    for (int place = 0; place <= decimals || rounded > 0; ++place) {
        if (place == decimals && decimals > 0)
            digits[--start] = formatting.decimalPoint.unicode();
        digits[--start] = char16_t(u'0' + rounded % 10);
        rounded /= 10;
    }
    text += QStringView(digits.data() + start, qsizetype(digits.size() - start));
}
