// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// UDP datagrams as WSJT-X and JTDX send them, or anything else that reaches the port. Properties:
// only datagrams within the size limit that start with the magic number decode; a decoded one
// is of a type the program reads, and a locator taken from it lies on the globe.
#include "FuzzCheck.h"

#include "partner/GridLocator.h"
#include "partner/WsjtxMessage.h"

#include <QtEndian>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char*>(data), int(size));
    const auto message = WsjtxMessage::decode(datagram);
    if (!message)
        return 0;
    FUZZ_CHECK(datagram.size() <= WsjtxMessage::maximumSize);
    FUZZ_CHECK(datagram.size() >= 4 && qFromBigEndian<quint32>(datagram.constData()) == WsjtxMessage::magic);
    FUZZ_CHECK(message->type == WsjtxMessage::Heartbeat || message->type == WsjtxMessage::Status
               || message->type == WsjtxMessage::Decode || message->type == WsjtxMessage::Clear
               || message->type == WsjtxMessage::QsoLogged);
    if (const auto place = GridLocator::centre(message->dxGrid)) {
        FUZZ_CHECK(std::isfinite(place->latitude) && std::fabs(place->latitude) <= 90);
        FUZZ_CHECK(std::isfinite(place->longitude) && std::fabs(place->longitude) <= 180);
    }
    return 0;
}
