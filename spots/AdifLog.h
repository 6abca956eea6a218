// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

class CallsignTable;

// The entities an operator has worked, read from a log in ADIF (.adi) as every logger exports
// it: "<CALL:6>DL1ABC <DXCC:3>230 ... <EOR>", an optional header ending in <EOH>. Field names in
// any case, an optional type after the length ("<DXCC:3:N>"). The reader is tolerant: a tag it
// cannot read is skipped, a length beyond the end ends the log, free text between fields is
// ignored; nothing in a log can make it fail.
class AdifLog {
public:
    struct Worked {
        QSet<int> dxcc;          // entity numbers, from the DXCC field or the call's entity
        QSet<QString> prefixes;  // main prefixes of worked entities the callsign table gives no number for
        int records = 0;         // QSOs read

        bool contains(int dxccNumber, const QString& prefix) const
        {
            return dxccNumber > 0 ? dxcc.contains(dxccNumber) : prefixes.contains(prefix);
        }
    };

    static Worked read(const QByteArray& log, const CallsignTable& calls);
};
