// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One record line of the directions list: identifier, azimuth and elevation, separated by one
// TAB each ("RELAIS NORD<TAB>15<TAB>0"). Angles in whole degrees, the azimuth in the rotor's own
// scale. Lines are kept as they stand, so a line that does not follow this form is never lost.
class DirectionLine {
public:
    static QString compose(const QString& identifier, const QString& azimuth, const QString& elevation);

    // The text before the first TAB, as the list shows it; empty for a line without a TAB.
    static QString identifier(const QString& line);

    // The azimuth and elevation texts a click on the entry reads: the azimuth is taken from the
    // at most 50 characters after the first TAB up to the next TAB, the elevation is the at most
    // 50 characters after that TAB. A missing field reads as an empty text.
    static QString clickAzimuth(const QString& line);
    static QString clickElevation(const QString& line);

    // The three texts the record editor shows: the fields of the line split at its TABs, the
    // elevation being all after the second TAB. A line without a TAB is all identifier, so the
    // editor can mend it.
    struct Fields {
        QString identifier;
        QString azimuth;
        QString elevation;
    };
    static Fields editFields(const QString& line);

    // A number in the user's locale format, as an entry's fields are read on a click; throws
    // AppError "'<text>' ist kein gültiger Gleitkommawert" otherwise.
    static double localeNumber(const QString& text);
    // A decimal number as the record editor takes it: leading blanks, optional sign, digits with
    // an optional point and decimals, optional exponent, nothing after; finite.
    static std::optional<double> editorNumber(const QString& text);

    // The list's order: alphabetical by the whole line, ignoring letter case; equal lines keep
    // the order they came in.
    static void sort(QStringList& lines);
    // Where a new line goes in a sorted list: after every line that does not come after it.
    static int insertPosition(const QStringList& sortedLines, const QString& line);
};
