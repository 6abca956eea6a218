// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/SettingsStore.h"

#include <initializer_list>

void SettingsStore::load(SettingsFile& file)
{
    for (SettingsSection* section :
         std::initializer_list<SettingsSection*> {&mainWindow, &ownStation, &mercator, &beam, &help, &parameters})
        section->load(file);
}

void SettingsStore::save()
{
    for (SettingsSection* section :
         std::initializer_list<SettingsSection*> {&ownStation, &parameters, &help, &beam, &mercator, &mainWindow})
        section->save();
}
