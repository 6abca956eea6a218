// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PstMessage.h"

#include "rotorbridge/FlatXml.h"
#include "rotorbridge/LenientNumber.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// A Maidenhead locator of 4, 6 or 8 characters.
bool isLocator(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Ra-r]{2}[0-9]{2}([A-Xa-x]{2}([0-9]{2})?)?$"));
    return pattern.match(text).hasMatch();
}

}  // namespace

PstMessage PstMessage::parse(QByteArrayView datagram)
{
    PstMessage message;
    const auto xml = datagram.size() > maxBytes ? std::nullopt : FlatXml::parse(datagram, QStringLiteral("PST"));
    if (!xml || (xml->children.isEmpty() == xml->text.isEmpty())) {
        message.fault = Fault::Malformed;
        return message;
    }
    const auto angle = [&](const QString& text, double maximum, std::optional<double>& into) {
        into = LenientNumber::read(text);
        if (!into)
            message.fault = Fault::Malformed;
        else if (*into < 0 || *into > maximum)
            message.fault = Fault::OutOfRange;
    };
    // The root's own text: a query, or the bare form of a stop or park some senders use.
    const auto says = [&](const char* word) {
        return xml->text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    };
    if (says("AZ?"))
        message.asksAzimuth = true;
    else if (says("EL?"))
        message.asksElevation = true;
    else if (says("STOP"))
        message.stop = true;
    else if (says("PARK"))
        message.park = true;
    else if (!xml->text.isEmpty())
        message.fault = Fault::Malformed;
    for (const auto& [name, value] : xml->children) {
        if (name == QLatin1String("azimuth"))
            angle(value, 360, message.azimuth);
        else if (name == QLatin1String("elevation"))
            angle(value, maxElevation, message.elevation);
        else if (name == QLatin1String("stop"))
            message.stop = value == QLatin1String("1");
        else if (name == QLatin1String("park"))
            message.park = value == QLatin1String("1");
        else if (name == QLatin1String("qra")) {
            if (!isLocator(value))
                message.fault = Fault::Malformed;
            message.locator = value.toUpper();
        }
        // TRACK and the tags of other PstRotator features carry nothing for this rotator.
    }
    if (message.fault != Fault::None) {
        PstMessage refused;
        refused.fault = message.fault;
        return refused;
    }
    return message;
}

QByteArray PstMessage::answer(const char* axis, double degrees)
{
    return QByteArray(axis) + ':' + QByteArray::number(qRound(degrees)) + '\r';
}
