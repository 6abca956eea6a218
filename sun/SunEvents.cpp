// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "sun/SunEvents.h"

#include "sun/SolarPosition.h"

#include <QCoreApplication>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr double step = 300;  // seconds between the altitudes sampled over the date

// Altitude above the standard altitude at a moment, degrees.
double height(double moment, const GeoPosition& place)
{
    return SolarPosition::at(moment).altitudeAt(place) - SunEvents::standardAltitude;
}

// The moment within [early, late] where the height changes sign, to a second.
double crossing(double early, double late, const GeoPosition& place)
{
    double earlyHeight = height(early, place);
    while (late - early > 1) {
        const double middle = (early + late) / 2;
        const double middleHeight = height(middle, place);
        if ((middleHeight > 0) == (earlyHeight > 0)) {
            early = middle;
            earlyHeight = middleHeight;
        } else {
            late = middle;
        }
    }
    return (early + late) / 2;
}

} // namespace

SunEvents SunEvents::on(const QDate& utcDate, const GeoPosition& place)
{
    SunEvents events;
    events.dayStart_ = static_cast<double>(utcDate.startOfDay(Qt::UTC).toSecsSinceEpoch());
    // The sun's altitude sampled every five minutes over the date, each change of side narrowed
    // down: this finds the rise and the set however the day is shaped, the short dips and peaks
    // around the first and last days of a polar day or night included.
    double before = events.dayStart_;
    double beforeHeight = height(before, place);
    for (double moment = before + step; moment <= events.dayStart_ + 86400; moment += step) {
        const double momentHeight = height(moment, place);
        if ((momentHeight > 0) != (beforeHeight > 0)) {
            std::optional<double>& slot = momentHeight > 0 ? events.rise_ : events.set_;
            const double found = crossing(before, moment, place);
            if (!slot && found < events.dayStart_ + 86400)
                slot = found;
        }
        before = moment;
        beforeHeight = momentHeight;
    }
    // Without a rise or a set the sun stays where it is at the local midnight: up in a polar day,
    // down in a polar night. On the first day of either only one of the two events is missing,
    // and the midnight after it tells which state begins.
    const double localMidnight = events.dayStart_ + 86400 - place.longitude * 240;  // 240 s per degree
    events.upAtMidnight_ = height(localMidnight, place) > 0;
    return events;
}

QString SunEvents::riseText() const
{
    return text(rise_);
}

QString SunEvents::setText() const
{
    return text(set_);
}

QString SunEvents::text(const std::optional<double>& moment) const
{
    if (!moment)
        return upAtMidnight_ ? QCoreApplication::translate("SunEvents", "Polartag")
                             : QCoreApplication::translate("SunEvents", "Polarnacht");
    // To the nearest minute, but never into the next date.
    const int minute = std::min(static_cast<int>(std::lround((*moment - dayStart_) / 60)), 24 * 60 - 1);
    return QTime(minute / 60, minute % 60).toString(QStringLiteral("HH:mm"));
}
