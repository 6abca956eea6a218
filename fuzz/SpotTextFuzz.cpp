// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// What other programs send about stations on the air: an ADIF log, a DX-cluster line, a decoded
// message. Properties: the log's QSO count never exceeds its "<EOR>" marks and reading stops
// within it (before its end where a field is cut off), a spot line read is within its bound and
// has a call and a time of day, a caller read has a call and at most a four-character grid.
#include "FuzzCheck.h"

#include "geo/CallsignTable.h"
#include "spots/AdifLog.h"
#include "spots/ClusterLine.h"
#include "spots/DecodeText.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CallsignTable calls = CallsignTable::fromText(QStringLiteral(
        "Japan;JA;36.40;138.38;JA JR;339\nDeutschland;DL;51.00;10.00;DA DL DJ DK;230\n"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    const AdifLog::Worked worked = AdifLog::read(bytes, calls);
    FUZZ_CHECK(worked.records <= bytes.toUpper().count("<EOR>"));
    FUZZ_CHECK(worked.bytesRead <= bytes.size() && (worked.bytesRead < bytes.size() || !worked.cutOff));

    if (const auto line = ClusterLine::parse(bytes)) {
        FUZZ_CHECK(bytes.size() <= ClusterLine::maximumBytes);
        FUZZ_CHECK(!line->call.isEmpty());
        FUZZ_CHECK(line->minuteOfDay >= 0 && line->minuteOfDay < 24 * 60);
    }

    if (const auto caller = DecodeText::caller(QString::fromUtf8(bytes))) {
        FUZZ_CHECK(DecodeText::isCall(caller->call));
        FUZZ_CHECK(caller->grid.isEmpty() || DecodeText::isGrid(caller->grid));
    }
    return 0;
}
