// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/MapPlaces.h"
#include "settings/SettingsSection.h"

#include <QSize>
#include <QString>

// What the sections of both maps hold: the size of the map image (pixels) and, in the shared
// MapPlaces, where the position entry and crosshair data windows stand while this map is shown.
class MapSettings : public SettingsSection {
    Q_OBJECT
public:
    // The section's name and its keys; the two maps spell the crosshair window's differently.
    struct Keys {
        MapPlaces::Map map;
        QString section;
        QString width, height;
        QSize defaultSize;  // pixels
        QString entryX, entryY, crosshairX, crosshairY;
    };

    MapSettings(Keys keys, MapPlaces& places);

    const QSize& imageSize() const { return imageSize_; }
    void setImageSize(const QSize& size);
    // Writes the tool windows' places as MapPlaces holds them now.
    void savePlaces();

signals:
    void imageSizeChanged();

protected:
    const QString& section() const { return keys_.section; }
    void readSizeAndPlaces(const SettingsFile& file);
    void writeSize(SettingsFile& file) const;
    void writePlaces(SettingsFile& file) const;

private:
    const Keys keys_;
    MapPlaces& places_;
    QSize imageSize_;
};
