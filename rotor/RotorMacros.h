// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct RotorState;

// The text macros of the rotor link: one value per line, every outgoing line ended with CR LF;
// numbers are decimal integers, angles in tenths of a degree.
class RotorMacros {
public:
    // The macro text of a list of lines. The NUL that ends the text on the wire is the end of the
    // string here.
    static QString text(const QStringList& lines);
    // The lines of a macro text: cut at a NUL, split at CR LF, CR or LF; the terminator of the
    // last line does not start another one.
    static QStringList lines(const QString& text);

    // The application title of an executable: its file name up to the first ".", every character
    // after the first in lower case.
    static QString applicationTitle(const QString& executablePath);
    static QStringList helloLines(const QString& title);
    // The title of a hello macro, or nothing when the lines are no hello.
    static std::optional<QString> helloTitle(const QStringList& lines);

    // Degrees as tenths of a degree, rounded to nearest with halves to even. Throws AppError for
    // a value that is not finite or beyond the integer range.
    static int tenths(double degrees);
    // The target macro: azimuth and elevation in degrees.
    static QStringList targetLines(double azimuth, double elevation);
    struct Target {
        double azimuth;    // degrees
        double elevation;  // degrees
    };
    static std::optional<Target> parseTarget(const QStringList& lines);

    // The status macro as the rotor program sends it. Angles in degrees, travel ends in whole
    // degrees; motion -1 turning left, 0 standing, +1 turning right.
    struct Status {
        double azimuth;
        double elevation;
        int motion;
        int minAzimuth;
        int maxAzimuth;
        // The rotator's position was read: sent as field 6 = 1, which tells the panel that the
        // reported azimuth is real and may replace a stale target.
        bool positionRead = false;
        // The azimuth the rotator was last sent, by whichever client, and how many targets it has
        // been sent: lines 11 and 12, which a reader that knows only ten lines passes over. Once a
        // target has been sent they are always there: a goal given up (a stop) goes out as the
        // azimuth RotorState::noReadingAzimuth.
        std::optional<double> goalAzimuth = std::nullopt;
        int goalCount = 0;
    };
    static QStringList statusLines(const Status& status);

    enum class StatusResult {
        Ignored,    // fewer than 7 lines, or travel ends left > right; nothing is stored
        Stopped,    // a line that is not an integer; the lines before it are stored
        Complete,   // every line present has been stored
    };
    // Stores the fields of a status macro in the rotor state, line by line; the azimuth
    // RotorState::noReadingAzimuth is stored as none.
    static StatusResult parseStatus(const QStringList& lines, RotorState& state);

    static std::optional<int> parseInteger(const QString& line);
};
