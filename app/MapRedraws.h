// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class MapWindow;
class MinuteTicker;
class ParameterSettings;
class Session;
class SpotService;

// What a map redraws for once the windows made after it are up: a new target or own station, a
// parameter its overlays draw, new spots, and the sun moving on each minute while the greyline is
// shown. What a map follows from its own creation on is MapWindow's.
namespace MapRedraws {
void follow(MapWindow& map, const Session& session, const ParameterSettings& parameters, const SpotService* spots,
            const MinuteTicker* ticker);
}
