// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/Spot.h"

#include <optional>

class CallsignTable;

// Places a heard call: at the centre of the grid square it gave, else at the centre of its
// entity. A call without a grid whose entity is not known (an unknown prefix, a maritime or
// aeronautical mobile) is not placed.
class SpotPlacer {
public:
    // Where the square comes from: sent by the station itself, or found in a spotter's comment,
    // where it may be anyone's.
    enum class Square { Sent, FromComment };

    // Room for the size of a square and the raster the extents come from, km: a four-character
    // square's corner lies up to 125 km from its centre.
    static constexpr double squareSlackKm = 200;

    explicit SpotPlacer(const CallsignTable& calls) : calls_(calls) {}

    // A square from a comment is not used when it lies farther outside the call's entity than
    // the entity's extent: its distance from the entity's centre beyond twice the extent and the
    // slack. Such a spot is placed at its entity's centre, as one without a square.
    std::optional<Spot> place(const QString& call, const QString& grid, Square square = Square::Sent) const;

private:
    const CallsignTable& calls_;
};
