// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "entry/PositionForms.h"

#include "geo/CoordinateText.h"
#include "text/FixedPointText.h"

#include <cmath>

namespace {

// Folds degrees into (-half, half] by whole turns of 2 * half degrees. Far-off values are reduced
// with fmod first, so that a typed 1e300 cannot keep the loop turning for ever.
double fold(double degrees, double half)
{
    if (!std::isfinite(degrees))
        return 0.0;
    const double turn = 2.0 * half;
    if (std::fabs(degrees) > 1.0e6)
        degrees = std::fmod(degrees, turn);
    while (degrees > half)
        degrees -= turn;
    while (degrees <= -half)
        degrees += turn;
    return degrees;
}

// Six characters, upper-cased, or nothing when the text has another length.
bool readLocator(const QString& text, GeoPosition& position)
{
    if (text.size() != 6)
        return false;
    double latitude = 0.0;
    double longitude = 0.0;
    locatorToPosition(text.toUpper(), longitude, latitude);
    position = {longitude, latitude};
    return true;
}

} // namespace

double PositionForms::normalizedLongitude(double degrees)
{
    return fold(degrees, 180.0);
}

double PositionForms::normalizedLatitude(double degrees)
{
    return fold(degrees, 90.0);
}

void PositionForms::rewrite(GeoPosition& position, PositionTexts& texts)
{
    position.longitude = normalizedLongitude(position.longitude);
    position.latitude = normalizedLatitude(position.latitude);
    texts.longitudeDecimal = FixedPointText::format(position.longitude, 4);
    texts.longitudeDms = degreesToDmsText(position.longitude);
    texts.latitudeDecimal = FixedPointText::format(position.latitude, 4);
    texts.latitudeDms = degreesToDmsText(position.latitude);
    const bool set = position.longitude != 0.0 || position.latitude != 0.0;
    texts.locator = set ? positionToLocator(position.longitude, position.latitude) : QString();
}

PositionForms::Outcome PositionForms::confirm(int tag, Station station, PositionTexts& ownTexts, GeoPosition& own,
                                              PositionTexts& partnerTexts, GeoPosition& partner)
{
    Outcome outcome = Outcome::rewritten;
    const PositionTexts& texts = station == Station::own ? ownTexts : partnerTexts;
    GeoPosition& position = station == Station::own ? own : partner;
    switch (tag) {
    case decimalTag:
        position = {parseDecimal(texts.longitudeDecimal), parseDecimal(texts.latitudeDecimal)};
        break;
    case dmsTag:
        position = {dmsTextToDegrees(texts.longitudeDms), dmsTextToDegrees(texts.latitudeDms)};
        break;
    case ownLocatorTag:
        if (!readLocator(ownTexts.locator, own))
            outcome = Outcome::invalidLocator;
        break;
    case partnerLocatorTag:
        if (!readLocator(partnerTexts.locator, partner))
            outcome = Outcome::invalidLocator;
        break;
    default:
        break;
    }
    rewrite(own, ownTexts);
    rewrite(partner, partnerTexts);
    return outcome;
}
