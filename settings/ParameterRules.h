// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

// The rules of the parameter window that do not depend on its controls: how stored texts become
// values, which keys the number fields take, and which typed values they accept.
class ParameterRules {
public:
    // A field text together with the value it stands for.
    struct FieldValue {
        QString text;
        double value;
    };

    static constexpr int minCircleSpacingKm = 300;

    // A number in the user's locale format (QLocale()), as the elevation and overlap fields hold it.
    static std::optional<double> readLocaleNumber(const QString& text);
    // A decimal number with a point as separator; "-2,5" is not one.
    static std::optional<double> readPointDecimal(const QString& text);
    // The integer of a field, or AppError "'<text>' ist kein gültiger Integerwert".
    static int toInteger(const QString& text);

    // Stored "Elevation": an unreadable text becomes "3" with 3 degrees.
    static FieldValue elevationSetting(const QString& stored);
    // Stored "Ueberlappung": an unreadable text becomes "0" with 0 degrees.
    static FieldValue overlapSetting(const QString& stored);
    // Stored or typed "Anzeigefehler": an unreadable text becomes empty with 0 degrees.
    static FieldValue displayOffsetSetting(const QString& text);

    // The shared filter of the number fields: Backspace, Enter and the digits pass; every other
    // key that would type a character is dropped. Keys that type nothing (arrows, Delete, Tab)
    // keep their usual meaning.
    static bool keepsKey(int key, const QString& text, bool controlHeld);
    static bool isEnter(int key);

    // Distance circles: more than two characters and at least 300 km ("0300" passes, "50" not).
    static bool acceptsCircleSpacing(const QString& text);
    // City markers: the first character is "2" to "9".
    static bool acceptsMarkerSize(const QString& text);
    // An opening angle of 0 to 180 degrees, as digits.
    static bool acceptsOpeningAngle(const QString& text);
};
