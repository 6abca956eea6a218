#include "session/Session.h"

#include "readout/TargetPoint.h"

Session* session = nullptr;

Session::Session()
{
    session = this;
}

Session::~Session()
{
    session = nullptr;
}

void Session::setOwnPosition(const GeoPosition& position)
{
    ownPosition = position;
    if (target.isSet()) {
        target = TargetPoint::seenFrom(ownPosition, target.longitude, target.latitude);
        targetCountry.clear();
        targetPrefix.clear();
    }
    emit ownPositionChanged();
}

void Session::setPartnerPosition(const GeoPosition& position)
{
    partnerPosition = position;
    emit partnerPositionChanged();
}

void Session::setTarget(double longitude, double latitude, const QString& country, const QString& prefix)
{
    target = TargetPoint::seenFrom(ownPosition, longitude, latitude);
    targetCountry = country;
    targetPrefix = prefix;
    emit targetChanged();
}

void Session::setTarget(const TargetInfo& measured)
{
    target = measured;
    targetCountry.clear();
    targetPrefix.clear();
    emit targetChanged();
}

void Session::clearTarget()
{
    setTarget(TargetInfo());
}

void Session::setCityMarkerSize(int pixels)
{
    cityMarkerSize = pixels;
    emit displayChanged();
}

void Session::setCircleSpacingKm(int km)
{
    circleSpacingKm = km;
    emit displayChanged();
}

void Session::setCrosshairColor(unsigned color)
{
    crosshairColor = color;
    emit displayChanged();
}
