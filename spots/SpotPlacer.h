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
    explicit SpotPlacer(const CallsignTable& calls) : calls_(calls) {}

    std::optional<Spot> place(const QString& call, const QString& grid) const;

private:
    const CallsignTable& calls_;
};
