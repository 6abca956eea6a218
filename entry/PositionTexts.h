// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// The five texts of one station's position as the entry window shows them.
struct PositionTexts {
    QString longitudeDecimal;  // degrees east, 4 decimals
    QString latitudeDecimal;   // degrees north, 4 decimals
    QString longitudeDms;      // degree-minute-second text
    QString latitudeDms;       // degree-minute-second text
    QString locator;           // six characters, empty for the position (0, 0)
};
