// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/SettingsSection.h"

#include "settings/WindowBounds.h"

// Section "Main": the main window's place and size (screen pixels), whether it stays above the
// other programs' windows, which map it shows, and the colour of the crosshair and the target
// marks (a Windows colour 0x00BBGGRR).
class MainWindowSettings : public SettingsSection {
    Q_OBJECT
public:
    const WindowBounds& bounds() const { return bounds_; }
    bool stayOnTop() const { return stayOnTop_; }
    bool mercatorShown() const { return mercatorShown_; }  // false: the beam map
    unsigned crosshairColour() const { return crosshairColour_; }

    void setBounds(const WindowBounds& bounds);
    void setStayOnTop(bool on);
    void setMercatorShown(bool shown);
    void setCrosshairColour(unsigned colour);

signals:
    void boundsChanged();
    void stayOnTopChanged();
    void mercatorShownChanged();
    void crosshairColourChanged();

protected:
    void read(const SettingsFile& file) override;
    void write(SettingsFile& file) const override;

private:
    void writeBounds(SettingsFile& file) const;

    WindowBounds bounds_ {36, 136, 600, 352};
    bool stayOnTop_ = false;
    bool mercatorShown_ = true;
    unsigned crosshairColour_ = 0xFFFFFF;
};
