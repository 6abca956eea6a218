// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QPolygonF>

// Makes outlines that cross 180 degrees drawable on a flat longitude/latitude plane. Points are
// (longitude, latitude) in degrees.
class AntimeridianRing {
public:
    // Shifts points by whole turns so that no step between neighbours exceeds 180 degrees of
    // longitude. Used for arcs (open lines) and as the first step for rings.
    static QPolygonF continuous(const QPolygonF& line);

    // A closed ring made continuous. A ring that goes once round the globe (Antarctica, or a
    // polygon whose seam was removed) ends 360 degrees from its start; it is closed along the
    // nearer pole so that it encloses the polar cap. The ring is then moved by whole turns until
    // the middle of its longitude range lies in -180 .. +180, so holes and outer rings agree.
    static QPolygonF closedRing(const QPolygonF& ring);
};
