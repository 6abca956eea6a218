// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Messages posted to the main window under Logger32's registered names: the name, wParam and
// lParam come from the input. Property: a bearing is taken only from message 101 under the
// link's own name, and always lies within 0 to 360 degrees, the value sent.
#include "FuzzCheck.h"

#include "logger/Logger32Link.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 16)
        return 0;
    Logger32Exchange::Message message;
    std::memcpy(&message.wParam, data, 8);
    std::memcpy(&message.lParam, data + 8, 8);
    message.name = QString::fromUtf8(reinterpret_cast<const char*>(data + 16), int(size - 16));
    for (const QString& own : {QStringLiteral("Logger32 1"), QString(), message.name}) {
        const auto bearing = Logger32Link::bearingOf(message, own);
        if (bearing) {
            FUZZ_CHECK(!own.isEmpty() && message.name == own && message.wParam == 101);
            FUZZ_CHECK(*bearing >= 0 && *bearing <= 360 && *bearing == message.lParam);
        }
    }
    return 0;
}
