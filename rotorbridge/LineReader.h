// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Splits a byte stream into lines (ended by LF, a CR before it dropped) and keeps at most
// maxLine bytes of an unfinished line: a longer line is dropped up to its end and counted as one
// over-long line, so a client that never ends its line costs no more than that.
class LineReader {
public:
    static constexpr int maxLine = 256;  // bytes of one line, without its end

    struct Result {
        QByteArrayList lines;
        int overlong = 0;  // lines dropped for their length
    };

    Result feed(QByteArrayView bytes);

private:
    QByteArray partial_;
    bool dropping_ = false;  // inside an over-long line, up to its end
};
