// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/CorvaneSettings.h"

#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "session/ProgramFolders.h"
#include "settings/ParameterSettings.h"
#include "settings/SettingsFile.h"

#include <QFileInfo>

QString CorvaneSettings::path()
{
    return Registry::readString(RegistryKeys::Corvane::company, RegistryKeys::Corvane::settingsFile);
}

bool CorvaneSettings::loadParameters(const QString& path, ParameterSettings& into)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    // Read only: nothing here changes a parameter, so nothing is written.
    SettingsFile file(path);
    into.load(file);
    return true;
}

QString CorvaneSettings::beamMap()
{
    const QString settings = path();
    // Corvane writes its settings and its beam map into the same folder.
    return settings.isEmpty() ? QString() : ProgramFolders::beamMapIn(QFileInfo(settings).absolutePath() + u'/');
}
