// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/BeamSettings.h"
#include "settings/HelpSettings.h"
#include "settings/MainWindowSettings.h"
#include "settings/MapPlaces.h"
#include "settings/MercatorSettings.h"
#include "settings/OwnStationSettings.h"
#include "settings/ParameterSettings.h"

class SettingsFile;

// Every section of the settings file as its typed object, read from and written to one file.
// The program holds one and hands each window the sections it uses; nothing else reads or
// writes a key.
class SettingsStore {
public:
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    void load(SettingsFile& file);
    // Writes every section, in the order the windows write them at shut-down.
    void save();

    OwnStationSettings ownStation;
    MainWindowSettings mainWindow;
    MapPlaces places;  // the tool windows' places, kept in the map sections
    MercatorSettings mercator {places};
    BeamSettings beam {places};
    HelpSettings help;
    ParameterSettings parameters;  // sections "Parameter", "DX-Cluster" and "WSJT-X"
};
