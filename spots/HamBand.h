// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

// The amateur bands of IARU region 1 a spot's frequency falls in, as the spot list filters them.
class HamBand {
public:
    // "20m" for 14025 kHz; empty outside the bands.
    static QString of(double frequencyKhz);
    // Every band's name, longest wave first.
    static QStringList names();
};
