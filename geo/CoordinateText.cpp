// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CoordinateText.h"

#include "base/AppError.h"

#include <QCoreApplication>

#include <cmath>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the run of ASCII digits in text from position.
int digitRun(const QString& text, int position)
{
    int end = position;
    while (end < text.size() && isAsciiDigit(text.at(end)))
        ++end;
    return end - position;
}

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// The longest leading part of text (after blanks) that forms a decimal number with "." as
// separator; empty when there is none.
QString leadingNumber(const QString& text)
{
    int start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    int pos = start;
    if (pos < text.size() && isSign(text.at(pos)))
        ++pos;
    const int integerDigits = digitRun(text, pos);
    pos += integerDigits;
    int fractionDigits = 0;
    if (pos < text.size() && text.at(pos) == QLatin1Char('.')) {
        fractionDigits = digitRun(text, pos + 1);
        pos += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return {};

    // An exponent counts only when digits follow "E" and its optional sign.
    if (pos < text.size() && (text.at(pos) == QLatin1Char('e') || text.at(pos) == QLatin1Char('E'))) {
        int exponent = pos + 1;
        if (exponent < text.size() && isSign(text.at(exponent)))
            ++exponent;
        const int exponentDigits = digitRun(text, exponent);
        if (exponentDigits > 0)
            pos = exponent + exponentDigits;
    }
    return text.mid(start, pos - start);
}

// The text before the first ":" of rest as a number (0 for an empty field); removes it and the ":".
long double takeField(QString& rest)
{
    const int colon = rest.indexOf(QLatin1Char(':'));
    const long double value = parseDecimal(rest.left(colon));
    rest.remove(0, colon + 1);
    return value;
}

// Letter or digit number n of a locator counted from first; numbers far outside any locator
// (positions many turns off the sphere, NaN) give "?" instead of an undefined conversion.
QChar locatorChar(char first, long double number)
{
    if (!(std::fabs(number) < 1000.0L))
        return QLatin1Char('?');
    return QChar(first + static_cast<int>(number));
}

// Decimal digits of a non-negative whole number, zero-padded to at least two.
QString twoDigits(long double wholeNumber)
{
    return QString::number(static_cast<double>(wholeNumber), 'f', 0).rightJustified(2, QLatin1Char('0'));
}

// Character at index, NUL beyond the end of a short text.
QChar charAt(const QString& text, int index)
{
    return index < text.size() ? text.at(index) : QChar();
}

// Locator digit at index; a non-digit fails as an integer conversion does.
int locatorDigit(const QString& locator, int index)
{
    const QChar c = charAt(locator, index);
    if (!isAsciiDigit(c))
        throw AppError(QCoreApplication::translate("CoordinateText", "'%1' ist kein gültiger Integerwert")
                           .arg(c.isNull() ? QString() : QString(c)));
    return c.unicode() - '0';
}

int letterNumber(const QString& locator, int index)
{
    return charAt(locator, index).unicode() - 'A';
}

// Relative error a position may carry from its text through a double: eight units in the last
// place of a double (2^-50), far below a thousandth of a second for any angle on the sphere.
constexpr long double representationAllowance = 1.0L / (1LL << 50);

} // namespace

double parseDecimal(const QString& text)
{
    QString normalised = text;
    const int comma = normalised.indexOf(QLatin1Char(','));
    if (comma >= 0)
        normalised[comma] = QLatin1Char('.');

    // QString::toDouble reads "." only, gives an infinity on overflow and 0 on underflow.
    return leadingNumber(normalised).toDouble();
}

bool IsLocatorText(const QString& text)
{
    if (text.size() != 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        const QChar c = text.at(i);
        const bool ok = (i == 2 || i == 3) ? isAsciiDigit(c) : (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        if (!ok)
            return false;
    }
    return true;
}

void locatorToPosition(const QString& locator, double& longitude, double& latitude)
{
    // South edge of the subsquare plus half its height (2.5 minutes), west edge plus half its
    // width (5 minutes); degrees.
    const long double lat = letterNumber(locator, 1) * 10.0L - 90.0L + locatorDigit(locator, 3)
                            + (letterNumber(locator, 5) + 1) / 24.0L - 1.0L / 48.0L;
    const long double lon = letterNumber(locator, 0) * 20.0L - 180.0L + 2.0L * locatorDigit(locator, 2)
                            + letterNumber(locator, 4) / 12.0L + 1.0L / 24.0L;
    latitude = static_cast<double>(lat);
    longitude = static_cast<double>(lon);
}

QString positionToLocator(double longitude, double latitude)
{
    // Degrees east of 180 W and north of the south pole, folded by one step only.
    long double l = longitude + 180.0L;
    if (l > 360.0L)
        l -= 360.0L;
    if (l < 0.0L)
        l += 360.0L;
    long double b = latitude + 90.0L;
    if (b > 180.0L)
        b -= 180.0L;
    if (b < 0.0L)
        b += 180.0L;

    const long double wholeL = std::trunc(l);
    const long double wholeB = std::trunc(b);
    // Odd degrees of longitude are the eastern half of a 2-degree square: subsquares 12..23.
    const long double eastHalf = std::fmod(wholeL, 2.0L) != 0.0L ? 12.0L : 0.0L;

    QString locator;
    locator += locatorChar('A', std::trunc(l / 20.0L));
    locator += locatorChar('A', std::trunc(b / 10.0L));
    locator += locatorChar('0', std::trunc(std::fmod(wholeL, 20.0L) / 2.0L));
    locator += locatorChar('0', std::fmod(wholeB, 10.0L));
    locator += locatorChar('A', std::trunc((l - wholeL) * 60.0L / 5.0L) + eastHalf);
    locator += locatorChar('A', std::trunc((b - wholeB) * 60.0L / 2.5L));
    return locator;
}

QString degreesToDmsText(double degrees)
{
    const long double x = degrees;
    // Whole seconds of arc, cut toward zero once the value's representation error is allowed for:
    // a text typed as whole seconds is stored as the nearest double, up to a few units in its last
    // place below the whole second (at 180 degrees about 1e-10 s), and must read back as typed.
    const long double exactSeconds = std::fabs(x) * 3600.0L;
    const long double wholeSeconds = std::floor(exactSeconds + exactSeconds * representationAllowance);
    const long double seconds = std::fmod(wholeSeconds, 60.0L);
    const long double secondsOfDegree = std::fmod(wholeSeconds, 3600.0L);
    const long double minutes = (secondsOfDegree - seconds) / 60.0L;
    const long double wholeDegrees = (wholeSeconds - secondsOfDegree) / 3600.0L;

    // The sign is tested on the value, not on the whole degrees, so -0.5 keeps its "-".
    QString text = x < 0.0L ? QStringLiteral("-") : QString();
    text += twoDigits(wholeDegrees);
    text += QChar(0x00B0);
    text += twoDigits(minutes);
    text += QLatin1Char('\'');
    text += twoDigits(seconds);
    text += QLatin1Char('"');
    return text;
}

double dmsTextToDegrees(const QString& text)
{
    // The appended colons guarantee three fields; every other separator becomes a colon.
    QString rest = (text + QStringLiteral(":::")).trimmed();
    for (QChar& c : rest) {
        if (!isAsciiDigit(c) && c != QLatin1Char('-'))
            c = QLatin1Char(':');
    }
    const bool negative = rest.startsWith(QLatin1Char('-'));
    const long double degrees = takeField(rest);
    const long double minutes = takeField(rest);
    const long double seconds = takeField(rest);
    const long double fraction = minutes / 60.0L + seconds / 3600.0L;
    const long double value = negative ? degrees - fraction : degrees + fraction;
    // Fields that overflow to opposite infinities would add up to NaN: unreadable, so 0, as for an
    // empty text.
    return std::isnan(value) ? 0.0 : static_cast<double>(value);
}
