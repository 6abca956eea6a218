// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PathSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "settings/ParameterRules.h"

#include <QFileInfo>

PathSettings PathSettings::recorded()
{
    const QString path = Registry::readString(RegistryKeys::Corvane::company, RegistryKeys::Corvane::settingsFile);
    return fromFile(path);
}

PathSettings PathSettings::fromFile(const QString& path)
{
    namespace keys = SettingsKeys::Parameter;
    PathSettings settings;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return settings;
    const SettingsFile ini(path);
    settings.optimise = ini.readBool(keys::section, keys::optimisedPath, true);
    settings.overlap =
        ParameterRules::overlapSetting(ini.readString(keys::section, keys::overlap, QStringLiteral("10"))).value;
    return settings;
}
