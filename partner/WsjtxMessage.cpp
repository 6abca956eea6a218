// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "partner/WsjtxMessage.h"

#include <QDataStream>
#include <QDateTime>

namespace {

// Strings travel as QByteArray in UTF-8; a null array is an empty string.
QString readUtf8(QDataStream& in)
{
    QByteArray bytes;
    in >> bytes;
    return QString::fromUtf8(bytes);
}

void readHeartbeat(QDataStream& in, WsjtxMessage& message)
{
    in >> message.maximumSchema;
    message.version = readUtf8(in);
    message.revision = readUtf8(in);
}

void readStatus(QDataStream& in, WsjtxMessage& message)
{
    bool txEnabled = false, transmitting = false, decoding = false;
    quint32 rxOffset = 0, txOffset = 0;  // Hz
    in >> message.dialFrequencyHz;
    readUtf8(in);  // mode
    message.dxCall = readUtf8(in);
    readUtf8(in);  // report
    readUtf8(in);  // Tx mode
    in >> txEnabled >> transmitting >> decoding >> rxOffset >> txOffset;
    readUtf8(in);  // own call
    readUtf8(in);  // own grid
    message.dxGrid = readUtf8(in);
}

void readDecode(QDataStream& in, WsjtxMessage& message)
{
    bool isNew = false, lowConfidence = false;
    QTime time;
    double deltaTime = 0;  // s
    in >> isNew >> time >> message.snr >> deltaTime >> message.audioOffset;
    readUtf8(in);  // mode
    message.decodedText = readUtf8(in);
    // Senders before WSJT-X 2.0 end the message here.
    if (!in.atEnd())
        in >> lowConfidence;
    if (!in.atEnd())
        in >> message.offAir;
}

void readQsoLogged(QDataStream& in, WsjtxMessage& message)
{
    QDateTime timeOff;
    in >> timeOff;
    message.dxCall = readUtf8(in);
    message.dxGrid = readUtf8(in);
}

} // namespace

std::optional<WsjtxMessage> WsjtxMessage::decode(const QByteArray& datagram)
{
    if (datagram.size() > maximumSize)
        return std::nullopt;
    QDataStream in(datagram);
    in.setByteOrder(QDataStream::BigEndian);
    quint32 magicRead = 0;
    quint32 schema = 0;
    quint32 typeRead = 0;
    in >> magicRead >> schema;
    if (in.status() != QDataStream::Ok || magicRead != magic || (schema != 2 && schema != 3))
        return std::nullopt;
    // The serialisation of the schema: Qt 5.2's for 2, Qt 5.4's for 3.
    in.setVersion(schema == 2 ? QDataStream::Qt_5_2 : QDataStream::Qt_5_4);
    WsjtxMessage message;
    in >> typeRead;
    message.clientId = readUtf8(in);
    switch (typeRead) {
    case Heartbeat:
        readHeartbeat(in, message);
        break;
    case Status:
        readStatus(in, message);
        break;
    case Decode:
        readDecode(in, message);
        break;
    case Clear:  // the id says whose spots go; a newer sender's window field is not needed
        break;
    case QsoLogged:
        readQsoLogged(in, message);
        break;
    default:
        return std::nullopt;
    }
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    message.type = Type(typeRead);
    return message;
}
