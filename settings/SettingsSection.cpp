// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/SettingsSection.h"

void SettingsSection::load(SettingsFile& file)
{
    file_ = &file;
    read(file);
}

void SettingsSection::save()
{
    if (file_)
        write(*file_);
}
