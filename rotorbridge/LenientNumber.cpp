// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/LenientNumber.h"

#include <cmath>

std::optional<double> LenientNumber::read(QByteArrayView text)
{
    QByteArray number = text.trimmed().toByteArray();
    if (number.isEmpty() || number.size() > maxLength)
        return std::nullopt;
    number.replace(',', '.');
    const qsizetype first = number.indexOf('.');
    if (const qsizetype second = first < 0 ? -1 : number.indexOf('.', first + 1); second >= 0)
        number.truncate(second);
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> LenientNumber::read(const QString& text)
{
    if (text.size() > maxLength)
        return std::nullopt;
    return read(QByteArrayView(text.toLatin1()));
}
