// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "partner/PartnerLinks.h"

#include "partner/PartnerScripting.h"
#include "partner/PartnerText.h"
#include "partner/WsjtxLink.h"
#include "session/Session.h"

#include <QMetaMethod>

PartnerLinks::PartnerLinks(Session& session)
    : session_(session),
      wsjtxLink(new WsjtxLink(this)),
      scripting(new PartnerScripting(
          session, [this](const QString& text) { return take(text); },
          [this](const QString& text) -> std::optional<GeoPosition> {
              const auto partner = read(text);
              return partner ? std::optional<GeoPosition>(partner->place) : std::nullopt;
          },
          this))
{
    connect(wsjtxLink, &WsjtxLink::partnerSettled, this, [this](const QString& partner) { take(partner); });
    // Scripts hear of every change of the target, whichever window made it.
    connect(&session_, &Session::targetChanged, scripting, &PartnerScripting::announceTarget);
    connect(&session_, &Session::ownPositionChanged, scripting, &PartnerScripting::announceTarget);
    // A second program on the bus keeps its name; this one then goes without the interface.
    scripting->registerOnSessionBus();
}

std::optional<Partner> PartnerLinks::read(const QString& text) const
{
    return PartnerText(session_.referenceData().callsignTable).read(text);
}

bool PartnerLinks::take(const QString& text)
{
    const auto partner = read(text);
    if (!partner || !isSignalConnected(QMetaMethod::fromSignal(&PartnerLinks::partnerNamed)))
        return false;
    emit partnerNamed(*partner);
    return true;
}

void PartnerLinks::listen(const WsjtxSettings& settings)
{
    const bool listening = wsjtxLink->listen(settings);
    emit wsjtxStateChanged(settings.enabled, listening, wsjtxLink->isOpenToNetwork(), wsjtxLink->portTaken());
}
