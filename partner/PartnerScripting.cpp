// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "partner/PartnerScripting.h"

#include "geo/CoordinateText.h"
#include "sun/SunEvents.h"
#include "session/Session.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <utility>

const QString PartnerScripting::serviceName = QStringLiteral("de.corvane.Corvane");
const QString PartnerScripting::objectPath = QStringLiteral("/Partner");

PartnerScripting::PartnerScripting(const Session& session, PartnerTaker taker, PlaceReader reader, QObject* parent)
    : QObject(parent),
      session_(session),
      taker_(std::move(taker)),
      reader_(std::move(reader)),
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

namespace {

// No locator, coordinate pair or call is longer; a longer text is refused unread.
constexpr qsizetype longestPartnerText = 200;  // characters
// How much of a refused text the error reply quotes.
constexpr qsizetype quotedCharacters = 40;

QString quoted(const QString& text)
{
    return text.size() <= quotedCharacters ? text : text.left(quotedCharacters) + QStringLiteral("…");
}

}  // namespace

double PartnerScripting::SetPartner(const QString& partner, double& distance)
{
    distance = 0;
    const auto refuse = [&](const QString& reason) {
        if (calledFromDBus())
            sendErrorReply(QStringLiteral("de.corvane.Partner.Error.Unknown"), reason);
        return 0;
    };
    if (partner.size() > longestPartnerText)
        return refuse(QCoreApplication::translate("PartnerScripting", "'%1' ist zu lang (%2 Zeichen, höchstens %3)")
                          .arg(quoted(partner))
                          .arg(partner.size())
                          .arg(longestPartnerText));
    if (!taker_(partner))
        return refuse(
            QCoreApplication::translate("PartnerScripting", "'%1' ist weder Locator noch Koordinate noch Rufzeichen")
                .arg(quoted(partner)));
    announceTarget();
    distance = session_.target().distance;
    return session_.target().bearing;
}

QString PartnerScripting::SunTimes(const QString& place, const QString& date, QString& set)
{
    set.clear();
    const auto refuse = [&](const QString& reason) {
        if (calledFromDBus())
            sendErrorReply(QStringLiteral("de.corvane.Partner.Error.Unknown"), reason);
        return QString();
    };
    if (place.size() > longestPartnerText)
        return refuse(QCoreApplication::translate("PartnerScripting", "'%1' ist zu lang (%2 Zeichen, höchstens %3)")
                          .arg(quoted(place))
                          .arg(place.size())
                          .arg(longestPartnerText));
    const QDate day = date.size() == 10 ? QDate::fromString(date, QStringLiteral("yyyy-MM-dd")) : QDate();
    if (!day.isValid())
        return refuse(QCoreApplication::translate("PartnerScripting", "'%1' ist kein Datum der Form JJJJ-MM-TT")
                          .arg(quoted(date)));
    const std::optional<GeoPosition> at = reader_(place);
    if (!at)
        return refuse(
            QCoreApplication::translate("PartnerScripting", "'%1' ist weder Locator noch Koordinate noch Rufzeichen")
                .arg(quoted(place)));
    const SunEvents events = SunEvents::on(day, *at);
    set = events.setText();
    return events.riseText();
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
