// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>

class BridgeLog;

// Faults of the clients (garbage on a port, over-long lines, refused numbers), written to the log
// at most once a minute per kind, so that a flood of bad input cannot flood the log or hold up
// the rotor's status.
class FaultLog {
public:
    static constexpr qint64 quietMs = 60000;  // least time between two lines of one kind, ms

    explicit FaultLog(BridgeLog& log, qint64 quiet = quietMs);

    // kind: what went wrong, the same text for the same fault ("PstRotator: Datagramm unlesbar");
    // detail: the instance (peer, the text received). Returns whether the line was written.
    bool report(const QString& kind, const QString& detail);

private:
    BridgeLog& log_;
    qint64 quiet_;
    QHash<QString, QElapsedTimer> lastWritten_;
};
