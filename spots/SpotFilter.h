// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/HamBand.h"
#include "spots/Spot.h"

#include <QString>

#include <optional>

// Which spots a map shows: those of one band or of all, heard within a number of minutes or at
// any time. A spot whose frequency is not known lies on no band.
class SpotFilter {
public:
    SpotFilter() = default;  // every spot
    // band: a name of HamBand, in any case; empty, or a name that is no band's, for every band.
    // maximumAgeMinutes: 0 or less for any age.
    SpotFilter(const QString& band, int maximumAgeMinutes);

    // Heard on the band and less than the maximum age before now (UTC seconds since 1970).
    bool passes(const Spot& spot, qint64 now) const;
    // How long a marker takes to fade out: the maximum age, or a marker's whole lifetime.
    qint64 fadeSeconds() const;

private:
    std::optional<HamBand::Range> band_;
    qint64 maximumAgeSeconds_ = 0;  // 0: any age
};
