// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/MapSheet.h"

#include <cmath>

namespace {

QString cornerValue(double degrees, char positive, char negative)
{
    return QString::number(std::abs(degrees), 'f', 2) + QLatin1Char(degrees < 0 ? negative : positive);
}

} // namespace

MapSheet::MapSheet(const QString& name, double top, double bottom, double left, double right, QSize pixels)
    : name_(name), top_(top), bottom_(bottom), left_(left), right_(right), pixels_(pixels)
{
}

QTransform MapSheet::degreesToPixels() const
{
    const double xScale = pixels_.width() / (right_ - left_);   // pixels per degree of longitude
    const double yScale = pixels_.height() / (bottom_ - top_);  // negative: north is up
    return QTransform(xScale, 0, 0, yScale, -left_ * xScale, -top_ * yScale);
}

QString MapSheet::calibrationText() const
{
    return cornerValue(top_, 'N', 'S') + ' ' + cornerValue(left_, 'E', 'W') + "\r\n"
        + cornerValue(bottom_, 'N', 'S') + ' ' + cornerValue(right_, 'E', 'W') + "\r\n";
}
