// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapView.h"

#include <QString>

// The calibration file of a map (name.inf): line 1 the north-west corner, line 2 the south-east
// corner, each a latitude and a longitude with two decimals (hundredths of a degree, read as whole
// minutes) and a hemisphere letter, in either order, for example "72.00N 25.50W".
class MapCalibration {
public:
    // Splits one line into a longitude text and a latitude text in degree.minute form and checks
    // it: throws AppError for fewer than two hemisphere letters, a number with fewer than two
    // decimals, or two latitudes or two longitudes on the line.
    static void ParseCornerLine(const QString& line, QString& longitudeText, QString& latitudeText);

    // Reads the first two lines of a calibration file into top, left (line 1) and bottom, right
    // (line 2). Throws AppError when the file cannot be read or a line is malformed.
    static MapView readFile(const QString& path);
};
