// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/SettingsSection.h"

#include <QRect>

// Section "Hilfe": the help window's place and size, screen pixels.
class HelpSettings : public SettingsSection {
    Q_OBJECT
public:
    const QRect& bounds() const { return bounds_; }
    void setBounds(const QRect& bounds);

signals:
    void boundsChanged();

protected:
    void read(const SettingsFile& file) override;
    void write(SettingsFile& file) const override;

private:
    QRect bounds_ {100, 75, 850, 600};
};
