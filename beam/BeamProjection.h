// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "beam/AzimuthalProjection.h"
#include "beam/BeamView.h"
#include "geo/MapProjection.h"

// The beam map's pixels: the shown part of the azimuthal picture around the own station. Pixels
// farther from the centre than readableKm show no place, for the read-out and clicks.
class BeamProjection : public MapProjection {
public:
    static constexpr long double readableKm = 20000;

    BeamProjection(const BeamView& view, const AzimuthalProjection& around);

    std::optional<GeoPosition> positionAt(QPoint pixel) const override;
    QPoint pixelOf(const GeoPosition& position) const override;
    // The screen's bearing and distance, which is what the antenna is turned to.
    std::optional<Measured> measuredAt(QPoint pixel) const override;
    std::optional<Disc> disc() const override;

private:
    BeamView view_;
    AzimuthalProjection around_;
};
