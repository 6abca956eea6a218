// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Fuzz input: random bytes, half of them drawn from the characters that matter to a reader
// (separators, signs, digits), so that the input reaches deep into the parser.
inline QByteArray randomBytes(QRandomGenerator& random, int maxLength, const QByteArray& alphabet)
{
    QByteArray bytes(int(random.bounded(maxLength)), '\0');
    for (char& b : bytes)
        b = random.bounded(2) ? alphabet[int(random.bounded(alphabet.size()))] : char(random.bounded(256));
    return bytes;
}
