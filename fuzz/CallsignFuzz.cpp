// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Callsigns and prefixes as typed or sent by other programs, looked up in a small table with
// exact calls and nested prefixes. Properties: a lookup is the same for upper and lower case, an
// entity found is one of the table's, and a text longer than a call (blanks around it aside)
// finds nothing.
#include "FuzzCheck.h"

#include "geo/CallsignTable.h"

namespace {

const CallsignTable& table()
{
    static const CallsignTable loaded = CallsignTable::fromText(QStringLiteral(
        "Kanarische Inseln;EA8;28.32;-15.85;EA8 EH8 =EA8BQM\n"
        "Spanien;EA;40.37;-4.88;EA EB EC ED EE EF EG EH\n"
        "Australien;VK;-23.70;132.33;AX VH VI VJ VK VL VM VN VZ\n"
        "Hawaii;KH6;21.12;-157.48;AH6 AH7 KH6 KH7 NH6 WH6 =K6XYZ\n"
        "Vereinigte Staaten;K;37.53;-91.67;AA AB AC AD AE AF AG AI AJ AK K N W\n"));
    return loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString call = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const auto entity = table().lookup(call);
    const auto upper = table().lookup(call.toUpper());
    FUZZ_CHECK(entity.has_value() == upper.has_value());
    if (!entity)
        return 0;
    FUZZ_CHECK(entity->name == upper->name);
    FUZZ_CHECK(call.trimmed().size() <= CallsignTable::maxCallLength);
    const QStringList names{QStringLiteral("Kanarische Inseln"), QStringLiteral("Spanien"), QStringLiteral("Australien"),
                            QStringLiteral("Hawaii"), QStringLiteral("Vereinigte Staaten")};
    FUZZ_CHECK(names.contains(entity->name));
    return 0;
}
