// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "WsjtxDatagrams.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>

namespace WsjtxDatagrams {

namespace {

constexpr quint32 magic = 0xadbccbda;

class Writer {
public:
    Writer(quint32 schema, quint32 type, const QString& id) : out_(&bytes_, QIODevice::WriteOnly)
    {
        out_.setByteOrder(QDataStream::BigEndian);
        out_.setVersion(schema <= 2 ? QDataStream::Qt_5_2 : QDataStream::Qt_5_4);
        out_ << magic << schema << type;
        utf8(id);
    }
    Writer& utf8(const QString& text)
    {
        out_ << text.toUtf8();
        return *this;
    }
    template <typename T>
    Writer& operator<<(const T& value)
    {
        out_ << value;
        return *this;
    }
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    QDataStream out_;
};

} // namespace

QByteArray heartbeat(quint32 schema, const QString& id)
{
    Writer w(schema, 0, id);
    w << quint32(3);
    w.utf8(QStringLiteral("2.6.1")).utf8(QStringLiteral("a3f1b2"));
    return w.bytes();
}

QByteArray status(quint32 schema, const QString& dxCall, const QString& dxGrid, const QString& id)
{
    Writer w(schema, 1, id);
    w << quint64(14074000);  // dial frequency, Hz
    w.utf8(QStringLiteral("FT8")).utf8(dxCall).utf8(QStringLiteral("-12")).utf8(QStringLiteral("FT8"));
    w << true << false << true << quint32(1500) << quint32(1200);  // Tx enabled, transmitting, decoding, offsets (Hz)
    w.utf8(QStringLiteral("DL1ABC")).utf8(QStringLiteral("JO62")).utf8(dxGrid);
    w << false;  // Tx watchdog
    w.utf8(QString());
    w << false << quint8(0) << quint32(0xffffffff) << quint32(15);  // fast mode, special operation, tolerance, period (s)
    w.utf8(QStringLiteral("Default")).utf8(QStringLiteral("CQ DL1ABC JO62"));
    return w.bytes();
}

QByteArray decode(quint32 schema, const QString& text, bool olderSender, const QString& id)
{
    Writer w(schema, 2, id);
    w << true << QTime(12, 30, 15) << qint32(-12) << 0.2 << quint32(1234);  // new, time, SNR (dB), DT (s), offset (Hz)
    w.utf8(QStringLiteral("~")).utf8(text);
    if (!olderSender)
        w << false << true;  // low confidence, off air
    return w.bytes();
}

QByteArray clear(quint32 schema, const QString& id)
{
    Writer w(schema, 3, id);
    w << quint8(2);  // both windows
    return w.bytes();
}

QByteArray qsoLogged(quint32 schema, const QString& dxCall, const QString& dxGrid)
{
    Writer w(schema, 5, QStringLiteral("WSJT-X"));
    const QDateTime off(QDate(2024, 5, 1), QTime(12, 30), Qt::UTC);
    w << off;
    w.utf8(dxCall).utf8(dxGrid);
    w << quint64(14074000);
    w.utf8(QStringLiteral("FT8")).utf8(QStringLiteral("-10")).utf8(QStringLiteral("-08")).utf8(QStringLiteral("100"));
    w.utf8(QString()).utf8(QString());
    w << off.addSecs(-60);
    w.utf8(QString()).utf8(QStringLiteral("DL1ABC")).utf8(QStringLiteral("JO62")).utf8(QString()).utf8(QString()).utf8(QString());
    return w.bytes();
}

QByteArray header(quint32 magicNumber, quint32 schema, quint32 type)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << magicNumber << schema << type << QByteArray("WSJT-X");
    return bytes;
}

} // namespace WsjtxDatagrams
