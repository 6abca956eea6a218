// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

class SettingsFile;

// The settings of the WSJT-X / JTDX link in section "WSJT-X" of the settings file: whether it
// listens, and on which address and UDP port. Missing or unusable values read as the defaults.
struct WsjtxSettings {
    static const QString section;  // "WSJT-X"

    bool enabled = true;
    QString address = QStringLiteral("127.0.0.1");  // unicast, or a multicast group to join
    int port = 2237;
    // The interface a multicast group is joined on, by name; empty: the loopback interface, so
    // that only programs on this machine reach the link. Read from the file only, never written.
    QString multicastInterface;

    static WsjtxSettings read(const SettingsFile& file);
    void write(SettingsFile& file) const;

    // An IPv4 or IPv6 address as typed ("127.0.0.1", "239.255.0.1").
    static bool acceptsAddress(const QString& text);
    // A UDP port 1 to 65535 as typed; nothing for any other text.
    static std::optional<int> readPort(const QString& text);
};
