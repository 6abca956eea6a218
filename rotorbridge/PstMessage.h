// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// One PstRotator datagram: "<PST><AZIMUTH>85</AZIMUTH></PST>", "<PST><ELEVATION>25</ELEVATION>
// </PST>", both with "<TRACK>", "<STOP>1</STOP>", "<PARK>1</PARK>", "<QRA>KN34BJ</QRA>", the bare
// "<PST>STOP</PST>" and "<PST>PARK</PST>", or the queries "<PST>AZ?</PST>" and "<PST>EL?</PST>".
// Angles in degrees.
class PstMessage {
public:
    static constexpr int maxBytes = 1024;        // a longer datagram is no PstRotator message
    static constexpr double maxElevation = 180;  // degrees; some rotators turn over the top

    enum class Fault {
        None,
        Malformed,   // not the format, or a number that is none
        OutOfRange,  // azimuth outside 0 to 360 degrees, elevation outside 0 to 180
    };

    std::optional<double> azimuth;
    std::optional<double> elevation;
    std::optional<QString> locator;
    bool stop = false;
    bool park = false;
    bool asksAzimuth = false;
    bool asksElevation = false;
    Fault fault = Fault::None;

    static PstMessage parse(QByteArrayView datagram);
    // "AZ:85\r", "EL:25\r": the answer to a query, whole degrees.
    static QByteArray answer(const char* axis, double degrees);
};
