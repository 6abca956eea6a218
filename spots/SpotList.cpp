// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotList.h"

#include <algorithm>

void SpotList::add(const Spot& spot)
{
    const auto same = std::find_if(markers_.begin(), markers_.end(), [&](const Spot& marker) {
        return marker.source == spot.source && marker.call == spot.call;
    });
    if (same != markers_.end()) {
        *same = spot;
    } else {
        markers_.push_back(spot);
        if (int(markers_.size()) > maximumMarkers)
            markers_.erase(std::min_element(markers_.begin(), markers_.end(), [](const Spot& a, const Spot& b) {
                return a.heardAt < b.heardAt;
            }));
    }
    if (spot.source == Spot::Source::Cluster) {
        clusterSpots_.push_front(spot);
        if (int(clusterSpots_.size()) > listedClusterSpots)
            clusterSpots_.pop_back();
    }
}

void SpotList::clearWsjtx(const QString& origin)
{
    markers_.erase(std::remove_if(markers_.begin(), markers_.end(),
                                  [&](const Spot& marker) {
                                      return marker.source == Spot::Source::Wsjtx && marker.origin == origin;
                                  }),
                   markers_.end());
}

bool SpotList::expire(qint64 now)
{
    const auto before = markers_.size();
    markers_.erase(std::remove_if(markers_.begin(), markers_.end(),
                                  [&](const Spot& marker) { return now - marker.heardAt >= lifetimeSeconds; }),
                   markers_.end());
    return markers_.size() != before;
}

double SpotList::opacity(const Spot& spot, qint64 now, qint64 fadeSeconds)
{
    const double age = double(now - spot.heardAt);  // seconds
    return std::clamp(1.0 - age / double(std::max<qint64>(1, fadeSeconds)), 0.0, 1.0);
}
