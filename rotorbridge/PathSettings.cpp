// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PathSettings.h"

#include "rotorbridge/CorvaneSettings.h"
#include "settings/ParameterSettings.h"

PathSettings PathSettings::recorded()
{
    return fromFile(CorvaneSettings::path());
}

PathSettings PathSettings::fromFile(const QString& path)
{
    PathSettings settings;
    ParameterSettings parameters;
    if (!CorvaneSettings::loadParameters(path, parameters))
        return settings;
    settings.optimise = parameters.optimisedPath();
    settings.overlap = parameters.overlapDegrees();
    return settings;
}
