// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/DecodeText.h"

#include <QRegularExpression>
#include <QStringList>

bool DecodeText::isGrid(const QString& word)
{
    static const QRegularExpression square(QStringLiteral("^[A-R]{2}[0-9]{2}$"));
    return word != QLatin1String("RR73") && square.match(word).hasMatch();
}

bool DecodeText::isCall(const QString& word)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z0-9]+(/[A-Z0-9]+)*$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    static const QRegularExpression letter(QStringLiteral("[A-Z]"));
    return word.size() >= 3 && word.size() <= 20 && form.match(word).hasMatch() && word.contains(digit)
           && word.contains(letter);
}

std::optional<DecodeText::Caller> DecodeText::caller(const QString& message)
{
    QStringList words = message.toUpper().split(u' ', Qt::SkipEmptyParts);
    for (QString& word : words)
        if (word.startsWith(u'<') && word.endsWith(u'>'))
            word = word.mid(1, word.size() - 2);
    if (words.size() < 2 || words.size() > 4)
        return std::nullopt;
    Caller caller;
    if (isGrid(words.last())) {
        caller.grid = words.last();
        words.removeLast();
    }
    if (words.first() == QLatin1String("CQ") || words.first() == QLatin1String("QRZ")) {
        // "CQ [modifier] CALL": the call is the last word left; a modifier (DX, POTA, NA, 290)
        // has no digit and letter together or stands before it.
        if (words.size() < 2 || words.size() > 3 || !isCall(words.last()))
            return std::nullopt;
        caller.call = words.last();
        return caller;
    }
    // "CALLED CALLER GRID": only a reply that gives its square places its sender.
    if (words.size() != 2 || caller.grid.isEmpty() || !isCall(words[0]) || !isCall(words[1]))
        return std::nullopt;
    caller.call = words[1];
    return caller;
}
