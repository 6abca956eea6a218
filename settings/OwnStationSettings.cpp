// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/OwnStationSettings.h"

#include "geo/CoordinateText.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace keys = SettingsKeys::Locator;

GeoPosition OwnStationSettings::position() const
{
    return {parseDecimal(longitudeText_), parseDecimal(latitudeText_)};
}

void OwnStationSettings::setTexts(const QString& longitude, const QString& latitude)
{
    const bool longitudeChanged = change(longitudeText_, longitude);
    const bool latitudeChanged = change(latitudeText_, latitude);
    if (longitudeChanged)
        emit longitudeTextChanged();
    if (latitudeChanged)
        emit latitudeTextChanged();
    if (file())
        write(*file());
}

void OwnStationSettings::read(const SettingsFile& file)
{
    longitudeText_ = file.readString(keys::section, keys::longitude, QStringLiteral("0"));
    latitudeText_ = file.readString(keys::section, keys::latitude, QStringLiteral("0"));
}

void OwnStationSettings::write(SettingsFile& file) const
{
    file.writeString(keys::section, keys::longitude, longitudeText_);
    file.writeString(keys::section, keys::latitude, latitudeText_);
}
