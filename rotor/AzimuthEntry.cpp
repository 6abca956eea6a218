// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/AzimuthEntry.h"

#include "base/Rounding.h"

#include <QRegularExpression>

int AzimuthEntry::keptKey(int key)
{
    if (key >= 'a' && key <= 'z')
        key = key - 'a' + 'A';
    const bool kept = key == backspaceKey || key == enterKey || key == '-' || (key >= '0' && key <= '9')
                      || (key >= 'A' && key <= 'Z');
    return kept ? key : 0;
}

QString AzimuthEntry::display(double azimuth)
{
    return QStringLiteral("%1").arg(roundHalfEven(azimuth), 3);
}

std::optional<int> AzimuthEntry::bearing(const QString& text)
{
    // Anchored at the very end: "$" would also match before a trailing line break.
    static const QRegularExpression form(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]+")));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
