// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/CursorReadout.h"

#include "base/Rounding.h"
#include "geo/CoordinateText.h"
#include "text/FixedPointText.h"

#include <QCoreApplication>

#include <cmath>

const GreatCircleFrom& CursorReadout::from(const GeoPosition& own)
{
    if (!from_ || from_->latitude1() != own.latitude || from_->longitude1() != own.longitude)
        from_.emplace(own.longitude, own.latitude);
    return *from_;
}

CursorReadout::Lines CursorReadout::lines(const GeoPosition& own, double longitude, double latitude,
                                          const QString& countryName)
{
    const GreatCircleFrom::DistanceAndBearing path = from(own).distanceAndBearingTo(longitude, latitude);
    return linesOf(longitude, latitude, countryName, static_cast<double>(path.distanceKm), path.bearing);
}

CursorReadout::Lines CursorReadout::linesAtBearing(const GeoPosition& own, double longitude, double latitude,
                                                   const QString& countryName, long double bearing)
{
    const double distance = static_cast<double>(from(own).distanceTo(longitude, latitude));  // km
    return linesOf(longitude, latitude, countryName, distance, bearing);
}

CursorReadout::Lines CursorReadout::linesOf(double longitude, double latitude, const QString& countryName,
                                            double distanceKm, long double bearing)
{
    // Each line is written into one string; joining parts would build a string for every step.
    Lines lines;
    lines.position.reserve(32);
    FixedPointText::append(lines.position, std::fabs(longitude), 2);
    lines.position += longitude >= 0 ? QCoreApplication::translate("CursorReadout", "°O ") : QStringLiteral("°W ");
    FixedPointText::append(lines.position, std::fabs(latitude), 2);
    lines.position += QStringView(latitude >= 0 ? u"°N " : u"°S ");
    lines.position += positionToLocator(longitude, latitude);
    lines.distance.reserve(24);
    lines.distance += QCoreApplication::translate("CursorReadout", "Entfernung: ");
    FixedPointText::append(lines.distance, distanceKm, 1);
    lines.distance += QStringView(u"Km");
    lines.bearing.reserve(24);
    lines.bearing += QCoreApplication::translate("CursorReadout", "Antennenwinkel: ");
    lines.bearing += QString::number(roundHalfEven(bearing));
    lines.bearing += u'°';
    lines.country = countryName;
    return lines;
}

QPoint CursorReadout::panelPlace(QPoint mouse, QSize panel, QSize image)
{
    const int gap = 10;  // pixels between mouse and panel
    const int top = mouse.y() + panel.height() + gap > image.height() ? mouse.y() - panel.height() - gap : mouse.y() + gap;
    const int left = mouse.x() + panel.width() + gap > image.width() ? mouse.x() - panel.width() - gap : mouse.x() + gap;
    return {left, top};
}
