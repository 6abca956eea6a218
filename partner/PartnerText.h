// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/CallsignTable.h"
#include "partner/Partner.h"

#include <QString>

#include <optional>

// Reads a partner given as text by other programs and scripts: a locator of two, four, six or
// eight characters (before any call of that form: "JO" is the field, not Japan), "latitude longitude" in decimal
// degrees (north and east positive, "," or "." as decimal separator), or a callsign or prefix, in that order.
class PartnerText {
public:
    explicit PartnerText(const CallsignTable& calls) : calls_(calls) {}

    std::optional<Partner> read(const QString& text) const;
    // The centre of the call's entity, named as its country.
    std::optional<Partner> callsign(const QString& text) const;

private:
    static std::optional<Partner> coordinates(const QString& text);

    const CallsignTable& calls_;
};
