// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/PortHolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstring>
#include <vector>

namespace {

constexpr int tcpListening = 0x0A;  // the state column of a listening TCP socket

struct Socket {
    QHostAddress address;
    quint16 port = 0;
    int state = 0;
    QString inode;
};

// The kernel prints an address as 8 (IPv4) or 32 (IPv6) hex digits: 32-bit words, each in this
// machine's byte order.
QHostAddress readAddress(const QByteArray& hex)
{
    if (hex.size() != 8 && hex.size() != 32)
        return {};
    quint8 bytes[16];
    for (int word = 0; word < hex.size() / 8; ++word) {
        bool ok = false;
        const quint32 value = hex.mid(word * 8, 8).toUInt(&ok, 16);
        if (!ok)
            return {};
        std::memcpy(bytes + word * 4, &value, sizeof value);
    }
    return hex.size() == 8 ? QHostAddress(qFromBigEndian<quint32>(bytes)) : QHostAddress(bytes);
}

// The rows of /proc/net/udp and its kin: "sl local_address rem_address st ... uid timeout inode".
std::vector<Socket> sockets(const QString& table)
{
    QFile file(table);
    std::vector<Socket> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 10)
            continue;
        const QList<QByteArray> local = fields[1].split(':');
        bool portOk = false, stateOk = false;
        Socket socket {readAddress(local.value(0)), quint16(local.value(1).toUInt(&portOk, 16)),
                       fields[3].toInt(&stateOk, 16), QString::fromLatin1(fields[9])};
        if (portOk && stateOk && !socket.address.isNull())
            rows.push_back(socket);
    }
    return rows;
}

bool isWildcard(const QHostAddress& address)
{
    return address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6 || address == QHostAddress::Any;
}

// Whether a socket bound to `bound` keeps a listener off `wanted` (on the same port).
bool overlaps(const QHostAddress& bound, const QHostAddress& wanted)
{
    return isWildcard(bound) || isWildcard(wanted) || bound.isEqual(wanted, QHostAddress::ConvertV4MappedToIPv4);
}

// Fills in the process whose descriptor is the socket, when one of the visible ones is.
void findProcess(const QString& procRoot, const QString& inode, PortHolder& holder)
{
    const QString socketLink = QStringLiteral("/socket:[%1]").arg(inode);
    const QStringList processes = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        bool ok = false;
        const qint64 pid = process.toLongLong(&ok);
        if (!ok)
            continue;
        const QString fdFolder = procRoot + u'/' + process + QStringLiteral("/fd/");
        // Another user's descriptors are not listed: the folder reads as empty.
        const QStringList descriptors =
            QDir(fdFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& descriptor : descriptors) {
            if (!QFile::symLinkTarget(fdFolder + descriptor).endsWith(socketLink))
                continue;
            QFile comm(procRoot + u'/' + process + QStringLiteral("/comm"));
            if (!comm.open(QIODevice::ReadOnly))
                return;
            holder.pid = pid;
            holder.name = QString::fromUtf8(comm.readAll()).trimmed();
            return;
        }
    }
}

}  // namespace

std::optional<PortHolder> PortHolder::find(Protocol protocol, const QHostAddress& address, quint16 port,
                                           const QString& procRoot)
{
    const QString net = procRoot + QStringLiteral("/net/");
    const QString kind = protocol == Protocol::Udp ? QStringLiteral("udp") : QStringLiteral("tcp");
    const QStringList tables {net + kind, net + kind + u'6'};
    for (const QString& table : tables) {
        for (const Socket& socket : sockets(table)) {
            if (socket.port != port || !overlaps(socket.address, address))
                continue;
            if (protocol == Protocol::Tcp && socket.state != tcpListening)
                continue;
            PortHolder holder;
            holder.port = port;
            findProcess(procRoot, socket.inode, holder);
            return holder;
        }
    }
    return std::nullopt;
}

QString PortHolder::taken(Protocol protocol, const QHostAddress& address, quint16 port)
{
    PortHolder anonymous;
    anonymous.port = port;
    return find(protocol, address, port).value_or(anonymous).text();
}

QString PortHolder::text() const
{
    if (pid == 0)
        return QCoreApplication::translate("PortHolder", "Port %1 belegt").arg(port);
    return QCoreApplication::translate("PortHolder", "Port %1 belegt von %2 (PID %3)")
        .arg(QString::number(port), name, QString::number(pid));
}
