// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/HelpSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace keys = SettingsKeys::Hilfe;

void HelpSettings::setBounds(const WindowBounds& bounds)
{
    if (change(bounds_, bounds))
        emit boundsChanged();
    save();
}

void HelpSettings::read(const SettingsFile& file)
{
    bounds_ = {file.readInteger(keys::section, keys::left, 100), file.readInteger(keys::section, keys::top, 75),
               file.readInteger(keys::section, keys::width, 850), file.readInteger(keys::section, keys::height, 600)};
}

void HelpSettings::write(SettingsFile& file) const
{
    // The top edge first, as the file has always had it.
    file.writeInteger(keys::section, keys::top, bounds_.top);
    file.writeInteger(keys::section, keys::left, bounds_.left);
    file.writeInteger(keys::section, keys::width, bounds_.width);
    file.writeInteger(keys::section, keys::height, bounds_.height);
}
