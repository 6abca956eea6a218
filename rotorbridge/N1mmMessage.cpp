// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/N1mmMessage.h"

#include "rotorbridge/FlatXml.h"
#include "rotorbridge/LenientNumber.h"

#include <cmath>

namespace {

N1mmMessage refused(N1mmMessage::Fault fault)
{
    N1mmMessage message;
    message.fault = fault;
    return message;
}

constexpr double fullTurn = 360;  // degrees

// The angle between two headings the short way round, degrees 0 to 180.
double apart(double a, double b)
{
    const double difference = std::fmod(std::fabs(a - b), fullTurn);
    return std::min(difference, fullTurn - difference);
}

}  // namespace

N1mmMessage N1mmMessage::parse(QByteArrayView datagram)
{
    const auto xml = datagram.size() > maxBytes ? std::nullopt : FlatXml::parse(datagram, QStringLiteral("N1MMRotor"));
    if (!xml || xml->children.isEmpty())
        return refused(Fault::Malformed);
    N1mmMessage message;
    for (const auto& [name, value] : xml->children) {
        if (name == QLatin1String("rotor")) {
            message.rotor = value.left(64);
        } else if (name == QLatin1String("goazi")) {
            message.heading = LenientNumber::read(value);
            if (!message.heading)
                return refused(Fault::Malformed);
            if (*message.heading < 0 || *message.heading > fullTurn)
                return refused(Fault::OutOfRange);
        } else if (name == QLatin1String("bidirectional")) {
            message.bidirectional = value == QLatin1String("1");
        } else if (name == QLatin1String("stop")) {
            message.stop = true;
            message.rotor = value.left(64);
        }
    }
    if (!message.stop && !message.heading)
        return refused(Fault::Malformed);
    return message;
}

QByteArray N1mmMessage::announcement(const QString& rotor, double azimuth)
{
    const int tenths = qRound(std::fmod(std::fmod(azimuth, fullTurn) + fullTurn, fullTurn) * 10) % 3600;
    return rotor.toUtf8() + " @ " + QByteArray::number(tenths);
}

double N1mmMessage::nearerEnd(double heading, double azimuth)
{
    const double reverse = std::fmod(heading + fullTurn / 2, fullTurn);
    return apart(reverse, azimuth) < apart(heading, azimuth) ? reverse : heading;
}
