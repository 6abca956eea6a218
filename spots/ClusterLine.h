// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// One spot line of a DX cluster as the cluster programs send it:
//   "DX de DL1ABC:    14025.0  JA1XYZ       CW 599 PM95                 1234Z"
// spotter, frequency (kHz), the spotted call, a free comment and the time (UTC, HHMM then "Z");
// some clusters add the spotter's square after the time. A square in the comment is taken as
// the spotted station's, except one followed by a propagation mode: in "JO90KE<ES>FN42HN" (six
// metres and up) the first square is the spotter's and the second the spotted station's.
class ClusterLine {
public:
    static constexpr int maximumBytes = 256;  // a spot line is about 80; longer lines are dropped

    QString spotter;
    double frequencyKhz = 0;
    QString call;
    QString comment;
    QString grid;         // the spotted station's four- or six-character square; empty if none
    int minuteOfDay = 0;  // UTC, 0 to 1439

    static std::optional<ClusterLine> parse(const QByteArray& line);
};
