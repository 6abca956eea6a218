// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// One datagram of the UDP messages WSJT-X and JTDX send: a big-endian QDataStream with the magic
// number, the schema (2 or 3), the message type and the client id, then the fields of the type.
// Only the types this program reads are decoded; the fields are those up to the last one read,
// later fields (which newer senders append) are not looked at.
struct WsjtxMessage {
    enum Type : quint32 { Heartbeat = 0, Status = 1, Decode = 2, Clear = 3, QsoLogged = 5 };

    static constexpr quint32 magic = 0xadbccbda;
    static constexpr int maximumSize = 8192;  // bytes; a status is a few hundred

    Type type = Heartbeat;
    QString clientId;
    // Heartbeat.
    quint32 maximumSchema = 0;
    QString version;
    QString revision;
    // Status: the frequency the radio is tuned to.
    quint64 dialFrequencyHz = 0;
    // Status and QSO Logged: the station being worked.
    QString dxCall;
    QString dxGrid;
    // Decode: one message decoded from the air, as the band activity window lists it.
    QString decodedText;       // "CQ DL1ABC JO31"
    qint32 snr = 0;            // dB
    quint32 audioOffset = 0;   // Hz above the dial frequency
    bool offAir = false;       // decoded from a recording, not live

    // Nothing for a datagram that is too long, truncated, of another magic, schema or type.
    static std::optional<WsjtxMessage> decode(const QByteArray& datagram);
};
