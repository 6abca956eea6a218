// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/Endpoint.h"

#include <QCoreApplication>

std::optional<Endpoint> Endpoint::parse(const QString& text, QString* error)
{
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String("aus") || trimmed == QLatin1String("off"))
        return Endpoint {QHostAddress(), 0, true};
    Endpoint endpoint;
    const qsizetype colon = trimmed.lastIndexOf(u':');
    QString portText = trimmed;
    if (colon >= 0) {
        QString host = trimmed.left(colon);
        if (host.startsWith(u'[') && host.endsWith(u']'))
            host = host.mid(1, host.size() - 2);
        if (!endpoint.address.setAddress(host)) {
            *error = QCoreApplication::translate("Endpoint", "Ungültige Adresse '%1' in '%2'").arg(host, text);
            return std::nullopt;
        }
        portText = trimmed.mid(colon + 1);
    }
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port == 0 || port > 65535) {
        *error =
            QCoreApplication::translate(
                "Endpoint", "Ungültiger Port in '%1': erwartet wird [ADRESSE:]PORT mit PORT 1 bis 65535 oder 'aus'")
                .arg(text);
        return std::nullopt;
    }
    endpoint.port = quint16(port);
    return endpoint;
}

QString Endpoint::text() const
{
    if (off)
        return QStringLiteral("aus");
    const QString host =
        address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']' : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}
