// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PathSettings.h"

#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "settings/ParameterSettings.h"
#include "settings/SettingsFile.h"

#include <QFileInfo>

PathSettings PathSettings::recorded()
{
    const QString path = Registry::readString(RegistryKeys::Corvane::company, RegistryKeys::Corvane::settingsFile);
    return fromFile(path);
}

PathSettings PathSettings::fromFile(const QString& path)
{
    PathSettings settings;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return settings;
    // Read only: nothing here changes a parameter, so nothing is written.
    SettingsFile file(path);
    ParameterSettings parameters;
    parameters.load(file);
    settings.optimise = parameters.optimisedPath();
    settings.overlap = parameters.overlapDegrees();
    return settings;
}
