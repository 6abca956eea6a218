// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

// The rules of the rotor panel's direction field that need no window: which keys it takes, how
// it shows the rotor azimuth and how it reads a typed bearing.
class AzimuthEntry {
public:
    static constexpr int backspaceKey = 8;
    static constexpr int enterKey = 13;

    // The key as the field takes it: letters in upper case; Backspace, Enter, "-", digits and
    // letters pass, every other key becomes 0 (no key).
    static int keptKey(int key);

    // The rotor azimuth, degrees, as the field shows it: whole degrees (halves to even), padded
    // on the left with blanks to at least 3 characters ("  5", "360" for 359.6).
    static QString display(double azimuth);

    // A typed bearing: a decimal integer with an optional leading "-", degrees; nothing for any
    // other text ("JO31", "12A", "-").
    static std::optional<int> bearing(const QString& text);
};
