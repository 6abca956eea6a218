// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHostAddress>
#include <QString>

#include <optional>

// Where a listener is served or an announcement goes: "[ADDRESS:]PORT" ("4533",
// "192.168.1.5:4533", "[::1]:4533"); the address is the loopback 127.0.0.1 unless one is named.
// "aus" (or "off") switches a listener off.
class Endpoint {
public:
    QHostAddress address {QHostAddress::LocalHost};
    quint16 port = 0;
    bool off = false;

    // Nothing and an error text in *error for a text that is none of these.
    static std::optional<Endpoint> parse(const QString& text, QString* error);
    static Endpoint local(quint16 port) { return {QHostAddress(QHostAddress::LocalHost), port, false}; }

    // "127.0.0.1:4533", "[::1]:4533" or "aus", as parse reads it back.
    QString text() const;
};
