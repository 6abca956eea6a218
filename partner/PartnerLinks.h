// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "partner/Partner.h"

#include <QObject>
#include <QString>

#include <optional>

class PartnerScripting;
class Session;
class WsjtxLink;
struct WsjtxSettings;

// The inputs that name a partner from outside: the WSJT-X / JTDX link and the partner interface
// on the session bus. Both hand the partner on, to be set as the target as if its locator had
// been typed into the rotor panel. Created after the windows, destroyed before them.
class PartnerLinks : public QObject {
    Q_OBJECT
    Session& session_;

public:
    explicit PartnerLinks(Session& session);

    // Hands on the partner named by the text (locator, coordinates or callsign); false when the
    // text names no place or nobody takes partners.
    bool take(const QString& text);
    // Listens again as the settings say.
    void listen(const WsjtxSettings& settings);

    WsjtxLink* wsjtxLink = nullptr;
    PartnerScripting* scripting = nullptr;

signals:
    void partnerNamed(const Partner& partner);
    // Whether the WSJT-X link is switched on, listens, and hears other machines too, and who holds
    // its port when that is why it does not listen, after every listen().
    void wsjtxStateChanged(bool enabled, bool listening, bool openToNetwork, const QString& portTaken);

private:
    // The place and entity a text names: the one reading for partners and for the sun's times.
    std::optional<Partner> read(const QString& text) const;
};
