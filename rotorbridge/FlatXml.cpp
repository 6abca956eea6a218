// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/FlatXml.h"

#include <QXmlStreamReader>

std::optional<FlatXml> FlatXml::parse(QByteArrayView datagram, const QString& root)
{
    QXmlStreamReader reader(datagram.toByteArray());
    if (!reader.readNextStartElement() || reader.name().compare(root, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    FlatXml message;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
            message.text += reader.text();
            break;
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString().toLower();
            const QString value = reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            if (reader.hasError())
                return std::nullopt;
            message.children.append({name, value.trimmed()});
            break;
        }
        case QXmlStreamReader::EndElement:
            message.text = message.text.trimmed();
            return message;
        case QXmlStreamReader::Invalid:
            return std::nullopt;
        default:
            break;
        }
    }
    return std::nullopt;
}
