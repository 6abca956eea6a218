// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/MenuCaption.h"

namespace {

const QString rotorKeys = QStringLiteral("JL");

}  // namespace

QString MenuCaption::marked(const QString& caption, const QString& taken)
{
    QString escaped = caption;
    escaped.replace(u'&', QStringLiteral("&&"));
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar c = escaped[i].toUpper();
        if (escaped[i].isLetterOrNumber() && !taken.contains(c) && !rotorKeys.contains(c))
            return escaped.insert(i, u'&');
    }
    return escaped;
}

QString MenuCaption::shown(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        result += text[i];
    }
    return result;
}

QChar MenuCaption::accelerator(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toUpper();
        ++i;
    }
    return {};
}
