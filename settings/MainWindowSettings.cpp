// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/MainWindowSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace keys = SettingsKeys::Main;

void MainWindowSettings::setBounds(const WindowBounds& bounds)
{
    if (change(bounds_, bounds))
        emit boundsChanged();
    if (file())
        writeBounds(*file());
}

void MainWindowSettings::setStayOnTop(bool on)
{
    if (change(stayOnTop_, on))
        emit stayOnTopChanged();
    if (file())
        file()->writeBool(keys::section, keys::stayOnTop, on);
}

void MainWindowSettings::setMercatorShown(bool shown)
{
    if (change(mercatorShown_, shown))
        emit mercatorShownChanged();
    if (file())
        file()->writeBool(keys::section, keys::mercatorShown, shown);
}

void MainWindowSettings::setCrosshairColour(unsigned colour)
{
    if (change(crosshairColour_, colour))
        emit crosshairColourChanged();
    if (file())
        file()->writeInteger(keys::section, keys::crosshairColour, int(colour));
}

void MainWindowSettings::read(const SettingsFile& file)
{
    bounds_ = {file.readInteger(keys::section, keys::left, 36), file.readInteger(keys::section, keys::top, 136),
               file.readInteger(keys::section, keys::width, 600), file.readInteger(keys::section, keys::height, 352)};
    stayOnTop_ = file.readBool(keys::section, keys::stayOnTop, false);
    mercatorShown_ = file.readBool(keys::section, keys::mercatorShown, true);
    crosshairColour_ = unsigned(file.readInteger(keys::section, keys::crosshairColour, 0xFFFFFF));
}

void MainWindowSettings::writeBounds(SettingsFile& file) const
{
    file.writeInteger(keys::section, keys::left, bounds_.left);
    file.writeInteger(keys::section, keys::top, bounds_.top);
    file.writeInteger(keys::section, keys::width, bounds_.width);
    file.writeInteger(keys::section, keys::height, bounds_.height);
}

void MainWindowSettings::write(SettingsFile& file) const
{
    writeBounds(file);
    file.writeBool(keys::section, keys::stayOnTop, stayOnTop_);
    file.writeBool(keys::section, keys::mercatorShown, mercatorShown_);
    file.writeInteger(keys::section, keys::crosshairColour, int(crosshairColour_));
}
