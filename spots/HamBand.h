// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The amateur bands of the ADIF band table, the ranges every logger exchanges, so that a spot
// lands in its band whatever IARU region it was heard in (40 m is 7.0 to 7.3 MHz).
class HamBand {
public:
    // "20m" for 14025 kHz; empty outside the bands. Both edges belong to the band.
    static QString of(double frequencyKhz);
    // Every band's name, longest wave first.
    static QStringList names();
    // The edges of the band of that name, kHz, whatever the case of its letters; none for a name
    // that is no band's.
    struct Range {
        double lowKhz, highKhz;
        bool contains(double khz) const { return khz >= lowKhz && khz <= highKhz; }
    };
    static std::optional<Range> range(const QString& name);
};
