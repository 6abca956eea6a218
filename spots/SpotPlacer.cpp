// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotPlacer.h"

#include "geo/GreatCircle.h"
#include "geo/CallsignTable.h"
#include "partner/GridLocator.h"

namespace {

// The square lies farther outside the entity than the entity reaches.
bool contradicts(const CallsignTable::Entity& entity, const GeoPosition& square)
{
    if (entity.extentKm < 0)
        return false;  // the list gives no extent: nothing to hold the square against
    const long double distance =
        greatCircleDistance(entity.longitude, entity.latitude, square.longitude, square.latitude);
    return distance > 2 * entity.extentKm + SpotPlacer::squareSlackKm;
}

} // namespace

std::optional<Spot> SpotPlacer::place(const QString& call, const QString& grid, Square square) const
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
    auto centre = grid.isEmpty() ? std::nullopt : GridLocator::centre(grid);
    if (centre && square == Square::FromComment && entity && contradicts(*entity, *centre))
        centre.reset();
    if (centre) {
        spot.place = *centre;
        spot.placedByGrid = true;
        spot.grid = grid.toUpper();
    } else if (!entity) {
        return std::nullopt;
    }
    return spot;
}
