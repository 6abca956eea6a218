// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotorScripting.h"

#include "rotorbridge/RotorBridge.h"
#include "rotorbridge/RotorCommands.h"

#include <QCoreApplication>
#include <QDBusMessage>

const QString RotorScripting::objectPath = QStringLiteral("/Rotor");

namespace {

const QString failedError = QStringLiteral("corvane.Rotor.Error.Failed");

} // namespace

RotorScripting::RotorScripting(RotorBridge& bridge, RotorCommands& commands, QObject* parent)
    : QObject(parent),
      bridge_(bridge),
      commands_(commands)
{
}

bool RotorScripting::positionKnown()
{
    if (bridge_.lastPosition())
        return true;
    sendErrorReply(failedError, QCoreApplication::translate("RotorScripting", "Rotorposition nicht lesbar"));
    return false;
}

double RotorScripting::Azimuth()
{
    return positionKnown() ? bridge_.lastPosition()->azimuth : 0;
}

double RotorScripting::Elevation()
{
    return positionKnown() ? bridge_.lastPosition()->elevation : 0;
}

int RotorScripting::MinAzimuth()
{
    return bridge_.travel().minimum;
}

int RotorScripting::MaxAzimuth()
{
    return bridge_.travel().maximum;
}

QString RotorScripting::client() const
{
    // For the log: Corvane's own stop and park come this way too.
    return calledFromDBus() && bridge_.isCorvane(message().service()) ? QStringLiteral("Corvane")
                                                                       : QStringLiteral("Bus /Rotor");
}

void RotorScripting::answer(const QString& failure)
{
    if (!failure.isEmpty())
        sendErrorReply(failedError, failure);
}

void RotorScripting::TurnTo(double azimuth, double elevation)
{
    answer(commands_.turnToAzimuth(azimuth, elevation, client()));
}

void RotorScripting::Stop()
{
    answer(commands_.stop(client()));
}

void RotorScripting::Park()
{
    answer(commands_.park(client()));
}
