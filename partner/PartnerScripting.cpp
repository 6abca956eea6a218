#include "partner/PartnerScripting.h"

#include "geo/CoordinateText.h"
#include "session/Session.h"

#include <QDBusConnection>

#include <utility>

const QString PartnerScripting::serviceName = QStringLiteral("de.corvane.Corvane");
const QString PartnerScripting::objectPath = QStringLiteral("/Partner");

PartnerScripting::PartnerScripting(const Session& session, PartnerTaker taker, QObject* parent)
    : QObject(parent),
      session_(session),
      taker_(std::move(taker)),
      announced_(session.target())
{
}

PartnerScripting::~PartnerScripting()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(objectPath);
    if (ownsName_)
        bus.unregisterService(serviceName);
}

bool PartnerScripting::registerOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableContents))
        return false;
    ownsName_ = bus.registerService(serviceName);
    return ownsName_;
}

QString PartnerScripting::OwnLocator() const
{
    return positionToLocator(session_.ownPosition().longitude, session_.ownPosition().latitude);
}

double PartnerScripting::Bearing() const
{
    return session_.target().bearing;
}

double PartnerScripting::Distance() const
{
    return session_.target().distance;
}

double PartnerScripting::RotorAzimuth() const
{
    return session_.rotorState().rotorAzimuth.value_or(noRotorAzimuth);
}

double PartnerScripting::SetPartner(const QString& partner, double& distance)
{
    distance = 0;
    if (!taker_(partner)) {
        if (calledFromDBus())
            sendErrorReply(QStringLiteral("de.corvane.Partner.Error.Unknown"),
                           QStringLiteral("'%1' ist weder Locator noch Koordinate noch Rufzeichen").arg(partner));
        return 0;
    }
    announceTarget();
    distance = session_.target().distance;
    return session_.target().bearing;
}

void PartnerScripting::announceTarget()
{
    const TargetInfo& target = session_.target();
    if (target.longitude == announced_.longitude && target.latitude == announced_.latitude
        && target.bearing == announced_.bearing && target.distance == announced_.distance)
        return;
    announced_ = target;
    emit TargetChanged(target.longitude, target.latitude, target.bearing, target.distance);
}
