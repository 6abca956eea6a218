// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QString>

// A station heard on the air: decoded by WSJT-X or spotted on a DX cluster, placed at its grid
// square's centre or at its entity's.
struct Spot {
    enum class Source { Wsjtx, Cluster };

    Source source = Source::Wsjtx;
    QString origin;  // the WSJT-X instance's id, or the cluster's host
    QString call;
    GeoPosition place;
    bool placedByGrid = false;  // else at the centre of its entity
    QString grid;               // the square the station gave; empty when it gave none
    QString country;            // entity name; empty when the call's entity is not known
    QString prefix;             // entity main prefix
    int dxcc = 0;               // entity number; 0 when not known
    double frequencyKhz = 0;    // the cluster's, or the dial of the decoding radio; 0 when not known
    QString comment;            // cluster comment, or the decoded message
    qint64 heardAt = 0;         // UTC seconds since 1970 of the last decode or spot
};
