// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// One datagram of N1MM's rotor protocol: "<N1MMRotor><rotor>name</rotor><goazi>55.0</goazi>
// <offset>0.0</offset><bidirectional>0</bidirectional><freqband>14</freqband></N1MMRotor>" turns,
// "<N1MMRotor><stop>name</stop></N1MMRotor>" stops. Angles in degrees.
class N1mmMessage {
public:
    static constexpr int maxBytes = 1024;  // a longer datagram is no N1MM rotor message

    enum class Fault {
        None,
        Malformed,   // not the format, or a number that is none
        OutOfRange,  // heading outside 0 to 360 degrees
    };

    QString rotor;                  // the rotor's name as the logger calls it
    std::optional<double> heading;  // goazi; the offset is the logger's own and already in it
    bool bidirectional = false;     // the antenna radiates both ways: heading + 180 serves as well
    bool stop = false;
    Fault fault = Fault::None;

    static N1mmMessage parse(QByteArrayView datagram);
    // "name @ 1460": where the antenna points, a heading in tenths of a degree (0 to 3599).
    static QByteArray announcement(const QString& rotor, double azimuth);
    // Of the heading and the heading + 180, the one nearer to where the antenna points.
    static double nearerEnd(double heading, double azimuth);
};
