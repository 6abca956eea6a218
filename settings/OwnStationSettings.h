// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "settings/SettingsSection.h"

#include <QString>

// Section "Locator": the own station in decimal degrees, east and north positive, kept as the
// position entry window shows them (the user's decimal separator), "0" when missing.
class OwnStationSettings : public SettingsSection {
    Q_OBJECT
public:
    const QString& longitudeText() const { return longitudeText_; }
    const QString& latitudeText() const { return latitudeText_; }
    // The texts read as degrees; 0 for a text that holds no number.
    GeoPosition position() const;

    void setTexts(const QString& longitude, const QString& latitude);

signals:
    void longitudeTextChanged();
    void latitudeTextChanged();

protected:
    void read(const SettingsFile& file) override;
    void write(SettingsFile& file) const override;

private:
    QString longitudeText_ = QStringLiteral("0");
    QString latitudeText_ = QStringLiteral("0");
};
