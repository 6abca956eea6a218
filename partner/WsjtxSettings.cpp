#include "partner/WsjtxSettings.h"

#include "app/SettingsFile.h"

#include <QHostAddress>

const QString WsjtxSettings::section = QStringLiteral("WSJT-X");

namespace {

const QString enabledKey = QStringLiteral("Empfang");
const QString addressKey = QStringLiteral("Adresse");
const QString portKey = QStringLiteral("Port");

} // namespace

WsjtxSettings WsjtxSettings::read(const SettingsFile& file)
{
    WsjtxSettings settings;
    settings.enabled = file.readBool(section, enabledKey, settings.enabled);
    const QString address = file.readString(section, addressKey, settings.address).trimmed();
    if (acceptsAddress(address))
        settings.address = address;
    const int port = file.readInteger(section, portKey, settings.port);
    if (port >= 1 && port <= 65535)
        settings.port = port;
    return settings;
}

void WsjtxSettings::write(SettingsFile& file) const
{
    file.writeBool(section, enabledKey, enabled);
    file.writeString(section, addressKey, address);
    file.writeInteger(section, portKey, port);
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
