// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class MapLayer;
class MapWindow;
class ParameterSettings;
class Session;
class SpotService;

// The layers drawn over both maps, made once and shared: the twilight shading and the greyline's
// spokes (while the greyline is on), the labels (while they are on), and the stations heard that
// pass the maps' band and age filter, whose markers name their partner when clicked. Each map
// draws them at their stage (MapLayer::Stage).
class MapOverlays {
public:
    MapOverlays(const Session& session, const ParameterSettings& parameters, const SpotService& spots,
                std::function<void(const QString&)> partnerClicked);
    ~MapOverlays();

    void addTo(MapWindow& map) const;

private:
    // The layer and its switch, drawn while the setting is on; the switch is what maps draw.
    const MapLayer* switched(std::unique_ptr<MapLayer> layer, const ParameterSettings& parameters,
                             bool (ParameterSettings::*setting)() const);

    std::vector<std::unique_ptr<MapLayer>> owned_;
    std::vector<const MapLayer*> drawn_;
};
