// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/LineReader.h"

LineReader::Result LineReader::feed(QByteArrayView bytes)
{
    Result result;
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView piece = end < 0 ? bytes : bytes.first(end);
        if (!dropping_) {
            if (partial_.size() + piece.size() > maxLine) {
                partial_.clear();
                dropping_ = true;
                ++result.overlong;
            } else {
                partial_.append(piece);
            }
        }
        if (end < 0)
            break;
        if (!dropping_) {
            if (partial_.endsWith('\r'))
                partial_.chop(1);
            result.lines.append(partial_);
        }
        partial_.clear();
        dropping_ = false;
        bytes = bytes.sliced(end + 1);
    }
    return result;
}
