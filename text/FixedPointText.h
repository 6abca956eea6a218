// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// Numbers as the windows show them: fixed-point, the system's decimal separator, no grouping of
// thousands (so the texts read back with parseDecimal).
class FixedPointText {
public:
    static QString format(double value, int decimals);
    // The same text appended to text, which saves building a string of its own.
    static void append(QString& text, double value, int decimals);
};
