// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/WsjtxSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

#include <QHostAddress>

const QString WsjtxSettings::section = SettingsKeys::Wsjtx::section;

namespace {

namespace wsjtxKeys = SettingsKeys::Wsjtx;

} // namespace

WsjtxSettings WsjtxSettings::read(const SettingsFile& file)
{
    WsjtxSettings settings;
    settings.enabled = file.readBool(section, wsjtxKeys::enabled, settings.enabled);
    const QString address = file.readString(section, wsjtxKeys::address, settings.address).trimmed();
    if (acceptsAddress(address))
        settings.address = address;
    const int port = file.readInteger(section, wsjtxKeys::port, settings.port);
    if (port >= 1 && port <= 65535)
        settings.port = port;
    settings.multicastInterface = file.readString(section, wsjtxKeys::multicastInterface, QString()).trimmed();
    return settings;
}

void WsjtxSettings::write(SettingsFile& file) const
{
    file.writeBool(section, wsjtxKeys::enabled, enabled);
    file.writeString(section, wsjtxKeys::address, address);
    file.writeInteger(section, wsjtxKeys::port, port);
}

bool WsjtxSettings::acceptsAddress(const QString& text)
{
    return !QHostAddress(text.trimmed()).isNull();
}

std::optional<int> WsjtxSettings::readPort(const QString& text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}
