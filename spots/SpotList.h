// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/Spot.h"

#include <QString>

#include <deque>
#include <vector>

// The stations to show: every call heard in the last 15 minutes on the maps (one marker a call
// and source, moved and renewed by each new decode or spot, fading out as it ages), and the last
// 200 cluster spots for the spot list, newest first. The maps hold at most maximumMarkers: a
// cluster flooding new calls would otherwise make every redraw longer without end.
class SpotList {
public:
    // A marker is kept an hour after it was last heard, the longest age a map offers to show.
    static constexpr qint64 lifetimeSeconds = 60 * 60;
    static constexpr int listedClusterSpots = 200;
    // The markers whose drawing fits a redraw's budget; beyond them the least recently heard goes.
    static constexpr int maximumMarkers = 2000;

    void add(const Spot& spot);
    // WSJT-X's Clear: the decodes of that instance go.
    void clearWsjtx(const QString& origin);
    // Drops the markers not renewed within their lifetime; true when any went.
    bool expire(qint64 now);

    const std::vector<Spot>& markers() const { return markers_; }
    const std::deque<Spot>& clusterSpots() const { return clusterSpots_; }
    // Opacity of a marker: 1 when just heard, falling to 0 when it is fadeSeconds old.
    static double opacity(const Spot& spot, qint64 now, qint64 fadeSeconds);

private:
    std::vector<Spot> markers_;
    std::deque<Spot> clusterSpots_;
};
