// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/MapOverlays.h"

#include "geo/SwitchedLayer.h"
#include "readout/MapLabelLayer.h"
#include "readout/MapWindow.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "spots/SpotLayer.h"
#include "sun/GreylineLayer.h"
#include "sun/GreylineSpokes.h"

#include <QDateTime>

#include <utility>

MapOverlays::MapOverlays(const Session& session, const ParameterSettings& parameters, const SpotService& spots,
                         std::function<void(const QString&)> partnerClicked)
{
    const auto now = [] { return double(QDateTime::currentSecsSinceEpoch()); };
    drawn_.push_back(switched(std::make_unique<GreylineLayer>(now), parameters, &ParameterSettings::greylineShown));
    drawn_.push_back(switched(std::make_unique<GreylineSpokes>(now), parameters, &ParameterSettings::greylineShown));
    drawn_.push_back(switched(std::make_unique<MapLabelLayer>([&session] { return session.ownPosition(); },
                                                              [&parameters] { return parameters.circleSpacingKm(); }),
                              parameters, &ParameterSettings::mapLabelsShown));
    owned_.push_back(std::make_unique<SpotLayer>(spots, std::move(partnerClicked), [&parameters] {
        return SpotFilter(parameters.mapBand(), parameters.mapAgeMinutes());
    }));
    drawn_.push_back(owned_.back().get());
}

MapOverlays::~MapOverlays() = default;

const MapLayer* MapOverlays::switched(std::unique_ptr<MapLayer> layer, const ParameterSettings& parameters,
                                      bool (ParameterSettings::*setting)() const)
{
    const MapLayer& drawn = *layer;
    owned_.push_back(std::move(layer));
    owned_.push_back(
        std::make_unique<SwitchedLayer>(drawn, [&parameters, setting] { return (parameters.*setting)(); }));
    return owned_.back().get();
}

void MapOverlays::addTo(MapWindow& map) const
{
    for (const MapLayer* layer : drawn_)
        map.addLayer(*layer);
}
