// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/MercatorSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace keys = SettingsKeys::Mercator;

MercatorSettings::MercatorSettings(MapPlaces& places)
    : MapSettings({MapPlaces::Map::mercator, keys::section, keys::width, keys::height, QSize(600, 300), keys::locatorX,
                   keys::locatorY, keys::crosshairX, keys::crosshairY},
                  places)
{
}

void MercatorSettings::setMapName(const QString& name)
{
    if (change(mapName_, std::optional(name)))
        emit mapNameChanged();
    if (file())
        file()->writeString(keys::section, keys::mapName, name);
}

void MercatorSettings::read(const SettingsFile& file)
{
    readSizeAndPlaces(file);
    const QString missing = QStringLiteral("\n");  // no key holds a line end
    const QString name = file.readString(keys::section, keys::mapName, missing);
    mapName_ = name == missing ? std::nullopt : std::optional(name);
}

void MercatorSettings::write(SettingsFile& file) const
{
    writeSize(file);
    if (mapName_)
        file.writeString(keys::section, keys::mapName, *mapName_);
    writePlaces(file);
}
