// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "settings/MapSettings.h"

#include <optional>

// Section "Beam": the beam map's image size, its zoom, the tool windows' places while it is shown,
// and the own station the cached beam map Karten/BeamKarte.bmp was drawn for.
class BeamSettings : public MapSettings {
    Q_OBJECT
public:
    explicit BeamSettings(MapPlaces& places);

    int zoom() const { return zoom_; }  // bitmap pixels cut from each side when shown
    void setZoom(int zoom);
    // Degrees; none when missing (a file from a version that recorded none).
    const std::optional<GeoPosition>& cacheCentre() const { return cacheCentre_; }
    // Kept in full precision: the shortest text that reads back as the same double.
    void setCacheCentre(const GeoPosition& own);

signals:
    void zoomChanged();
    void cacheCentreChanged();

protected:
    void read(const SettingsFile& file) override;
    void write(SettingsFile& file) const override;

private:
    void writeCacheCentre(SettingsFile& file) const;

    int zoom_ = 0;
    std::optional<GeoPosition> cacheCentre_;
};
