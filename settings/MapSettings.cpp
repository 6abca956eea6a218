// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/MapSettings.h"

#include "settings/SettingsFile.h"

#include <utility>

MapSettings::MapSettings(Keys keys, MapPlaces& places)
    : keys_(std::move(keys)), places_(places), imageSize_(keys_.defaultSize)
{
}

void MapSettings::setImageSize(const QSize& size)
{
    if (change(imageSize_, size))
        emit imageSizeChanged();
    if (file())
        writeSize(*file());
}

void MapSettings::savePlaces()
{
    if (file())
        writePlaces(*file());
}

void MapSettings::readSizeAndPlaces(const SettingsFile& file)
{
    imageSize_ = QSize(file.readInteger(keys_.section, keys_.width, keys_.defaultSize.width()),
                       file.readInteger(keys_.section, keys_.height, keys_.defaultSize.height()));
    places_.setPlace(MapPlaces::Tool::entry, keys_.map,
                     QPoint(file.readInteger(keys_.section, keys_.entryX, MapPlaces::designedPlace.x()),
                            file.readInteger(keys_.section, keys_.entryY, MapPlaces::designedPlace.y())));
    const auto x = file.readOptionalInteger(keys_.section, keys_.crosshairX);
    const auto y = file.readOptionalInteger(keys_.section, keys_.crosshairY);
    places_.setPlace(MapPlaces::Tool::crosshair, keys_.map, x && y ? std::optional(QPoint(*x, *y)) : std::nullopt);
}

void MapSettings::writeSize(SettingsFile& file) const
{
    file.writeInteger(keys_.section, keys_.height, imageSize_.height());
    file.writeInteger(keys_.section, keys_.width, imageSize_.width());
}

void MapSettings::writePlaces(SettingsFile& file) const
{
    const auto write = [&](MapPlaces::Tool tool, const QString& xKey, const QString& yKey) {
        // A place never taken is written empty, so that the next start looks for a free one again.
        const auto place = places_.place(tool, keys_.map);
        file.writeString(keys_.section, xKey, place ? QString::number(place->x()) : QString());
        file.writeString(keys_.section, yKey, place ? QString::number(place->y()) : QString());
    };
    write(MapPlaces::Tool::entry, keys_.entryX, keys_.entryY);
    write(MapPlaces::Tool::crosshair, keys_.crosshairX, keys_.crosshairY);
}
