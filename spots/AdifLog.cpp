// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/AdifLog.h"

#include "partner/CallsignTable.h"

#include <cstring>

namespace {

bool nameIs(const char* name, int length, const char* wanted)
{
    if (int(std::strlen(wanted)) != length)
        return false;
    for (int i = 0; i < length; ++i)
        if ((name[i] & ~0x20) != wanted[i])  // ASCII letters in either case
            return false;
    return true;
}

} // namespace

AdifLog::Worked AdifLog::read(const QByteArray& log, const CallsignTable& calls)
{
    Worked worked;
    const char* const begin = log.constData();
    const char* const end = begin + log.size();
    QByteArray call;
    int dxcc = 0;
    const auto endOfRecord = [&] {
        if (dxcc > 0) {
            worked.dxcc.insert(dxcc);
        } else if (!call.isEmpty()) {
            if (const auto entity = calls.lookup(QString::fromLatin1(call))) {
                if (entity->dxcc > 0)
                    worked.dxcc.insert(entity->dxcc);
                else
                    worked.prefixes.insert(entity->prefix);
            }
        }
        if (dxcc > 0 || !call.isEmpty())
            ++worked.records;
        call.clear();
        dxcc = 0;
    };

    const char* at = begin;
    while (at < end) {
        const char* open = static_cast<const char*>(std::memchr(at, '<', std::size_t(end - at)));
        if (!open)
            break;
        const char* name = open + 1;
        const char* p = name;
        while (p < end && *p != ':' && *p != '>' && *p != '<')
            ++p;
        if (p >= end)
            break;
        const int nameLength = int(p - name);
        if (*p == '<') {  // a stray "<" in free text
            at = p;
            continue;
        }
        if (*p == '>') {  // a tag without data
            if (nameIs(name, nameLength, "EOR"))
                endOfRecord();
            else if (nameIs(name, nameLength, "EOH")) {
                call.clear();  // the header's fields belong to no QSO
                dxcc = 0;
            }
            at = p + 1;
            continue;
        }
        // "<NAME:LENGTH[:TYPE]>DATA"
        long long length = 0;
        const char* digits = ++p;
        while (p < end && *p >= '0' && *p <= '9' && p - digits < 10)
            length = length * 10 + (*p++ - '0');
        if (p == digits) {
            at = p;
            continue;
        }
        while (p < end && *p != '>' && *p != '<' && p - digits < 32)
            ++p;
        if (p >= end || *p != '>') {
            at = p;
            continue;
        }
        const char* data = p + 1;
        if (length > end - data)
            break;  // cut off: the rest is no QSO
        if (nameIs(name, nameLength, "CALL"))
            call = QByteArray(data, int(length)).trimmed().toUpper();
        else if (nameIs(name, nameLength, "DXCC"))
            dxcc = QByteArray(data, int(length)).trimmed().toInt();
        at = data + length;
    }
    return worked;
}
