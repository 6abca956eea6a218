// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHostAddress>
#include <QString>

#include <optional>

// Who holds a port that a listener cannot bind, as the system shows it: on Linux the socket's
// inode in /proc/net/udp, udp6, tcp or tcp6, and the process whose /proc/<pid>/fd links to
// "socket:[inode]". Only the user's own processes show their descriptors: another user's socket
// is found without its process. Where there is no /proc, nothing is found.
class PortHolder {
public:
    enum class Protocol { Udp, Tcp };

    // The socket bound to the port on the address or on a wildcard (for a wildcard: on any
    // address); for TCP only a listening one. Nothing when the system shows none.
    static std::optional<PortHolder> find(Protocol protocol, const QHostAddress& address, quint16 port,
                                          const QString& procRoot = QStringLiteral("/proc"));
    // What a listener says when the system refused its port as taken: the holder's text where
    // the system shows the holder, else "Port 2237 belegt".
    static QString taken(Protocol protocol, const QHostAddress& address, quint16 port);
    // "Port 2237 belegt von wsjtx (PID 4711)", or "Port 2237 belegt" without a process.
    QString text() const;

    quint16 port = 0;
    qint64 pid = 0;  // 0: the process is not shown
    QString name;    // the process's short name (its comm), empty when not shown
};
