// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/MapRedraws.h"

#include "readout/MapWindow.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "spots/SpotService.h"
#include "sun/MinuteTicker.h"

void MapRedraws::follow(MapWindow& map, const Session& session, const ParameterSettings& parameters,
                        const SpotService* spots, const MinuteTicker* ticker)
{
    QObject::connect(&session, &Session::targetChanged, &map, &MapWindow::redrawIfShown);
    QObject::connect(&session, &Session::ownPositionChanged, &map, &MapWindow::redrawIfShown);
    for (auto changed : {&ParameterSettings::citiesShownChanged, &ParameterSettings::circleSpacingChanged,
                         &ParameterSettings::locatorGridChanged, &ParameterSettings::greylineShownChanged,
                         &ParameterSettings::mapLabelsShownChanged, &ParameterSettings::openingAngleChanged,
                         &ParameterSettings::mapBandChanged, &ParameterSettings::mapAgeChanged})
        QObject::connect(&parameters, changed, &map, &MapWindow::redrawIfShown);
    if (spots)
        QObject::connect(spots, &SpotService::changed, &map, &MapWindow::redrawIfShown);
    if (ticker)
        QObject::connect(ticker, &MinuteTicker::tick, &map, [&map, &parameters] {
            if (parameters.greylineShown())
                map.redrawIfShown();
        });
}
