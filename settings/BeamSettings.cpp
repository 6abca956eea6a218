// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/BeamSettings.h"

#include "geo/CoordinateText.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

#include <QLocale>

namespace keys = SettingsKeys::Beam;

namespace {

bool samePlace(const std::optional<GeoPosition>& a, const std::optional<GeoPosition>& b)
{
    return a.has_value() == b.has_value() && (!a || (a->longitude == b->longitude && a->latitude == b->latitude));
}

}  // namespace

BeamSettings::BeamSettings(MapPlaces& places)
    : MapSettings({MapPlaces::Map::beam, keys::section, keys::width, keys::height, QSize(500, 500), keys::locatorX,
                   keys::locatorY, keys::crosshairX, keys::crosshairY},
                  places)
{
}

void BeamSettings::setZoom(int zoom)
{
    if (change(zoom_, zoom))
        emit zoomChanged();
    if (file())
        file()->writeInteger(keys::section, keys::zoom, zoom);
}

void BeamSettings::setCacheCentre(const GeoPosition& own)
{
    const bool changed = !samePlace(cacheCentre_, own);
    cacheCentre_ = own;
    if (changed)
        emit cacheCentreChanged();
    if (file())
        writeCacheCentre(*file());
}

void BeamSettings::read(const SettingsFile& file)
{
    readSizeAndPlaces(file);
    zoom_ = file.readInteger(keys::section, keys::zoom, 0);
    const QString longitude = file.readString(keys::section, keys::centreLongitude, QString());
    const QString latitude = file.readString(keys::section, keys::centreLatitude, QString());
    cacheCentre_ = longitude.isEmpty() || latitude.isEmpty()
        ? std::nullopt
        : std::optional(GeoPosition {parseDecimal(longitude), parseDecimal(latitude)});
}

void BeamSettings::writeCacheCentre(SettingsFile& file) const
{
    const auto text = [](double degrees) { return QString::number(degrees, 'g', QLocale::FloatingPointShortest); };
    file.writeString(keys::section, keys::centreLongitude, text(cacheCentre_->longitude));
    file.writeString(keys::section, keys::centreLatitude, text(cacheCentre_->latitude));
}

void BeamSettings::write(SettingsFile& file) const
{
    writeSize(file);
    file.writeInteger(keys::section, keys::zoom, zoom_);
    writePlaces(file);
    if (cacheCentre_)
        writeCacheCentre(file);
}
