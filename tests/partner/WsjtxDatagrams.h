// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

// Datagrams as WSJT-X writes them: a big-endian QDataStream of the given schema (2: Qt 5.2's
// serialisation, 3: Qt 5.4's) with magic, schema, type, client id and the fields of the type.
namespace WsjtxDatagrams {

QByteArray heartbeat(quint32 schema, const QString& id = QStringLiteral("WSJT-X"));
// A status with every field of WSJT-X 2.6, the DX call and DX grid as given.
QByteArray status(quint32 schema, const QString& dxCall, const QString& dxGrid, const QString& id = QStringLiteral("WSJT-X"));
QByteArray qsoLogged(quint32 schema, const QString& dxCall, const QString& dxGrid);
// A decode as WSJT-X 2.6 sends it; olderSender leaves out the two fields added in 2.0.
QByteArray decode(quint32 schema, const QString& text, bool olderSender = false, const QString& id = QStringLiteral("WSJT-X"));
QByteArray clear(quint32 schema, const QString& id = QStringLiteral("WSJT-X"));
// The header alone, with any magic, schema and type.
QByteArray header(quint32 magic, quint32 schema, quint32 type);

} // namespace WsjtxDatagrams
