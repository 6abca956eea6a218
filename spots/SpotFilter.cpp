// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotFilter.h"

#include "spots/SpotList.h"

#include <algorithm>

SpotFilter::SpotFilter(const QString& band, int maximumAgeMinutes)
    : band_(HamBand::range(band.trimmed())), maximumAgeSeconds_(std::max(0, maximumAgeMinutes) * qint64(60))
{
}

qint64 SpotFilter::fadeSeconds() const
{
    return maximumAgeSeconds_ > 0 ? maximumAgeSeconds_ : SpotList::lifetimeSeconds;
}

bool SpotFilter::passes(const Spot& spot, qint64 now) const
{
    if (band_ && !band_->contains(spot.frequencyKhz))
        return false;
    return maximumAgeSeconds_ == 0 || now - spot.heardAt < maximumAgeSeconds_;
}
