// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/ClusterLine.h"

#include "spots/DecodeText.h"

#include <QRegularExpression>

std::optional<ClusterLine> ClusterLine::parse(const QByteArray& bytes)
{
    if (bytes.size() > maximumBytes)
        return std::nullopt;
    static const QRegularExpression form(QStringLiteral(
        "^DX de ([A-Z0-9/#-]+):?\\s+([0-9]{1,8}(?:\\.[0-9]{1,3})?)\\s+([A-Z0-9/]+)\\s+(.*?)\\s*([0-9]{4})Z(?:\\s+\\S+)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromLatin1(bytes).trimmed();
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    ClusterLine line;
    line.spotter = match.captured(1).toUpper();
    line.frequencyKhz = match.captured(2).toDouble();
    line.call = match.captured(3).toUpper();
    line.comment = match.captured(4);
    const int hhmm = match.captured(5).toInt();
    if (hhmm / 100 > 23 || hhmm % 100 > 59 || !DecodeText::isCall(line.call))
        return std::nullopt;
    line.minuteOfDay = hhmm / 100 * 60 + hhmm % 100;
    // A square followed by a propagation mode is the spotter's: "JO90KE<ES>FN42HN" names the
    // spotter's square, the mode, then the spotted station's.
    static const QRegularExpression square(
        QStringLiteral("\\b([A-R]{2}[0-9]{2}(?:[A-X]{2})?)\\b(\\s*<[A-Z0-9]{1,5}>)?"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = square.globalMatch(line.comment); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString found = match.captured(1).toUpper();
        if (!match.hasCaptured(2) && DecodeText::isGrid(found.left(4))) {
            line.grid = found;
            break;
        }
    }
    return line;
}
