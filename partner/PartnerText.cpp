// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "partner/PartnerText.h"

#include "geo/CoordinateText.h"
#include "partner/GridLocator.h"

#include <QRegularExpression>

#include <cmath>

std::optional<Partner> PartnerText::read(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (const auto square = GridLocator::centre(trimmed))
        return Partner{*square, {}, {}};
    if (const auto place = coordinates(trimmed))
        return place;
    return callsign(trimmed);
}

std::optional<Partner> PartnerText::callsign(const QString& text) const
{
    const auto entity = calls_.lookup(text);
    if (!entity)
        return std::nullopt;
    return Partner{{entity->longitude, entity->latitude}, entity->name, entity->prefix};
}

std::optional<Partner> PartnerText::coordinates(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([-+]?[0-9]+(?:[.,][0-9]*)?)\\s+([-+]?[0-9]+(?:[.,][0-9]*)?)$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double latitude = parseDecimal(match.captured(1));
    const double longitude = parseDecimal(match.captured(2));
    if (std::abs(latitude) > 90 || std::abs(longitude) > 180)
        return std::nullopt;
    return Partner{{longitude, latitude}, {}, {}};
}
