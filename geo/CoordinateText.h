// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// Conversions between positions and the texts the user reads and types: six-character Maidenhead
// locators, decimal degrees and degree-minute-second text. Angles are decimal degrees, east and
// north positive; the arithmetic runs in extended precision, results are stored as doubles.

// Reads a decimal number with "." or "," (the first comma counts) as separator: leading blanks,
// optional sign, digits, optional fraction, optional exponent. Never fails: the value of the
// longest valid leading part is returned, 0 when there is none (also for an empty text).
double parseDecimal(const QString& text);

// True for exactly six characters: letter, letter, digit, digit, letter, letter, upper case
// "A".."Z" (not only up to "R" or "X").
bool IsLocatorText(const QString& text);

// Centre of the subsquare of a six-character locator, degrees. Reads characters 1..6 without a
// pattern test (a missing character reads as NUL); throws AppError for a non-digit in position 3
// or 4. Letters beyond the valid fields convert arithmetically.
void locatorToPosition(const QString& locator, double& longitude, double& latitude);

// Six-character locator of a position, degrees. Longitude and latitude are folded into range by
// one step at most and never clamped, so longitude 180 gives the first letter "S".
QString positionToLocator(double longitude, double latitude);

// Degrees as text like 07°30'00" or -00°30'00": seconds are cut, not rounded, once the double's
// representation error is allowed for, so that a whole-second text reads back as typed.
QString degreesToDmsText(double degrees);

// Reads degree, minute and second fields separated by any characters other than digits and "-"
// (degree-minute-second text, blanks, colons alike); missing fields count as 0. A "-" before the
// degrees applies to minutes and seconds too.
double dmsTextToDegrees(const QString& text);
