#include "rotorbridge/RotorScripting.h"

#include "rotorbridge/RotorBridge.h"

const QString RotorScripting::objectPath = QStringLiteral("/Rotor");

namespace {

const QString failedError = QStringLiteral("corvane.Rotor.Error.Failed");

} // namespace

RotorScripting::RotorScripting(RotorBridge& bridge, QObject* parent)
    : QObject(parent),
      bridge_(bridge)
{
}

bool RotorScripting::positionKnown()
{
    if (bridge_.lastPosition())
        return true;
    sendErrorReply(failedError, QStringLiteral("Rotorposition nicht lesbar"));
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

void RotorScripting::TurnTo(double azimuth, double elevation)
{
    const QString failure = bridge_.turnTo(azimuth, elevation);
    if (!failure.isEmpty())
        sendErrorReply(failedError, failure);
}

void RotorScripting::Stop()
{
    const QString failure = bridge_.stop();
    if (!failure.isEmpty())
        sendErrorReply(failedError, failure);
}
