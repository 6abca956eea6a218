// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Numbers as the rotator clients send them, read leniently: a decimal comma counts as a point, and
// a second point ends the number ("85.000000.2", a known client slip, reads as 85). Refused: no
// digits, anything after the number, NaN or infinity, and texts longer than maxLength.
class LenientNumber {
public:
    static constexpr int maxLength = 32;  // characters; no angle needs more

    static std::optional<double> read(QByteArrayView text);
    static std::optional<double> read(const QString& text);
};
