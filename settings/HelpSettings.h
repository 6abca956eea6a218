// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/SettingsSection.h"

#include "settings/WindowBounds.h"

// Section "Hilfe": the help window's place and size, screen pixels.
class HelpSettings : public SettingsSection {
    Q_OBJECT
public:
    const WindowBounds& bounds() const { return bounds_; }
    void setBounds(const WindowBounds& bounds);

signals:
    void boundsChanged();

protected:
    void read(const SettingsFile& file) override;
    void write(SettingsFile& file) const override;

private:
    WindowBounds bounds_ {100, 75, 850, 600};
};
