// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QDate>
#include <QString>

#include <optional>

// Sunrise and sunset at a place within one UTC date: the moments the centre of the sun passes
// the standard altitude of -0.833 degrees (refraction and the sun's radius), as the almanacs give
// them. Where an event does not happen on that date, the sun stays up (polar day) or down (polar
// night).
class SunEvents {
public:
    static constexpr double standardAltitude = -0.833;  // degrees

    static SunEvents on(const QDate& utcDate, const GeoPosition& place);

    // UTC seconds since 1970-01-01; empty where the sun does not rise or set on that date.
    const std::optional<double>& rise() const { return rise_; }
    const std::optional<double>& set() const { return set_; }
    // "HH:MM" UTC to the nearest minute, or "Polartag" / "Polarnacht".
    QString riseText() const;
    QString setText() const;

private:
    QString text(const std::optional<double>& moment) const;

    double dayStart_ = 0;  // UTC seconds of the date's 00:00
    std::optional<double> rise_, set_;
    bool upAtMidnight_ = false;  // decides the word for an event that does not happen
};
