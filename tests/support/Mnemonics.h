// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

// The underlined letters of a window's labels, buttons and group titles, lower-cased, in the order
// found: "&&" is a plain ampersand, not a mark.
inline QString mnemonicsOf(const QWidget& window)
{
    QString letters;
    const auto take = [&](QString text) {
        text.replace(QStringLiteral("&&"), QString());
        const qsizetype mark = text.indexOf(u'&');
        if (mark >= 0 && mark + 1 < text.size())
            letters += text.at(mark + 1).toLower();
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        take(label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        take(button->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        take(box->title());
    return letters;
}
