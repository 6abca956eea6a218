// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/MapSettings.h"

#include <optional>

// Section "Mercator": the Mercator map's image size, the map chosen last and the tool windows'
// places while it is shown.
class MercatorSettings : public MapSettings {
    Q_OBJECT
public:
    explicit MercatorSettings(MapPlaces& places);

    // The file name in Karten/ without ".bmp"; none when the file names none.
    const std::optional<QString>& mapName() const { return mapName_; }
    void setMapName(const QString& name);

signals:
    void mapNameChanged();

protected:
    void read(const SettingsFile& file) override;
    void write(SettingsFile& file) const override;

private:
    std::optional<QString> mapName_;
};
