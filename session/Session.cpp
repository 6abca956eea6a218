// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "session/Session.h"

#include "geo/TargetPoint.h"

#include <utility>

Session::Session() = default;

Session::~Session() = default;

void Session::setOwnPosition(const GeoPosition& position)
{
    ownPosition_ = position;
    if (target_.isSet()) {
        target_ = TargetPoint::seenFrom(ownPosition_, target_.longitude, target_.latitude);
        targetCountry_.clear();
        targetPrefix_.clear();
    }
    emit ownPositionChanged();
}

void Session::setPartnerPosition(const GeoPosition& position)
{
    partnerPosition_ = position;
    emit partnerPositionChanged();
}

void Session::setTarget(double longitude, double latitude, const QString& country, const QString& prefix)
{
    target_ = TargetPoint::seenFrom(ownPosition_, longitude, latitude);
    targetCountry_ = country;
    targetPrefix_ = prefix;
    emit targetChanged();
}

void Session::setTarget(const TargetInfo& measured)
{
    target_ = measured;
    targetCountry_.clear();
    targetPrefix_.clear();
    emit targetChanged();
}

void Session::clearTarget()
{
    setTarget(TargetInfo());
}

void Session::setCrosshairColor(unsigned color)
{
    // The maps redraw on the signal: the colour read at start, unchanged, costs no redraw.
    if (color == crosshairColor_)
        return;
    crosshairColor_ = color;
    emit crosshairColorChanged();
}

void Session::setRotorState(const RotorState& state)
{
    rotorState_ = state;
}

void Session::takeRotorStatus(const RotorState& state)
{
    rotorState_ = state;
    emit rotorStatusChanged();
}

void Session::loseRotorLink(const RotorState& state)
{
    rotorState_ = state;
    emit rotorLinkLost();
}

void Session::setFolders(const ProgramFolders& folders)
{
    folders_ = folders;
}

void Session::setCurrentMapName(const QString& name)
{
    currentMapName_ = name;
    emit currentMapNameChanged();
}

void Session::setReferenceData(ReferenceData data)
{
    referenceData_ = std::move(data);
}
