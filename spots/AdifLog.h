// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

class CallsignTable;
class QIODevice;

// The entities an operator has worked, read from a log in ADIF (.adi) as every logger exports
// it: "<CALL:6>DL1ABC <DXCC:3>230 ... <EOR>", an optional header ending in <EOH>. Field names in
// any case, an optional type after the length ("<DXCC:3:N>"). The log is read as a stream, a
// chunk at a time: of each QSO only its call and entity number are held until its <EOR>, and of
// the whole log only the entities, so that a log of any size needs the same little memory. The
// reader is tolerant: a tag it cannot read is skipped, a field longer than the rest of the log
// ends it, free text between fields is ignored; nothing in a log can make it fail.
class AdifLog {
public:
    static constexpr int chunkBytes = 256 * 1024;  // bytes read at a time

    struct Worked {
        QSet<int> dxcc;          // entity numbers, from the DXCC field or the call's entity
        QSet<QString> prefixes;  // main prefixes of worked entities the callsign table gives no number for
        qint64 records = 0;      // QSOs read
        qint64 bytesRead = 0;    // where reading stopped: the end, or the tag of a field the log cuts off
        bool cutOff = false;     // a field claimed more bytes than the log holds

        bool contains(int dxccNumber, const QString& prefix) const
        {
            return dxccNumber > 0 ? dxcc.contains(dxccNumber) : prefixes.contains(prefix);
        }
    };

    // Reads the device from where it stands to its end.
    static Worked read(QIODevice& log, const CallsignTable& calls);
    static Worked read(const QByteArray& log, const CallsignTable& calls);
};
