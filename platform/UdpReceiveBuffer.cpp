// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/UdpReceiveBuffer.h"

#include <QAbstractSocket>
#include <QCoreApplication>
#include <QVariant>

int UdpReceiveBuffer::granted(QAbstractSocket& socket)
{
    return socket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
}

QString UdpReceiveBuffer::enlarge(QAbstractSocket& socket)
{
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, wantedBytes);
    return QCoreApplication::translate("UdpReceiveBuffer", "UDP-Empfangspuffer Port %1: %2 KB erbeten, %3 KB erhalten")
        .arg(socket.localPort())
        .arg(wantedBytes / 1024)
        .arg(granted(socket) / 1024);
}
