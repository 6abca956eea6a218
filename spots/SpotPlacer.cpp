// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotPlacer.h"

#include "partner/CallsignTable.h"
#include "partner/GridLocator.h"

std::optional<Spot> SpotPlacer::place(const QString& call, const QString& grid) const
{
    Spot spot;
    spot.call = call;
    // At sea or in the air a station has no entity, whatever its call's prefix says.
    const bool mobileAtSea = call.endsWith(QLatin1String("/MM")) || call.endsWith(QLatin1String("/AM"));
    const auto entity = mobileAtSea ? std::nullopt : calls_.lookup(call);
    if (entity) {
        spot.country = entity->name;
        spot.prefix = entity->prefix;
        spot.dxcc = entity->dxcc;
        spot.place = {entity->longitude, entity->latitude};
    }
    if (const auto square = grid.isEmpty() ? std::nullopt : GridLocator::centre(grid)) {
        spot.place = *square;
        spot.placedByGrid = true;
        spot.grid = grid.toUpper();
    } else if (!entity) {
        return std::nullopt;
    }
    return spot;
}
