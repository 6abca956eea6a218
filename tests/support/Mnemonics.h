// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "widgets/MenuCaption.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

// The underlined letters of a window's labels, buttons and group titles, in upper case, in the
// order found.
inline QString mnemonicsOf(const QWidget& window)
{
    QString letters;
    const auto take = [&](const QString& text) {
        if (const QChar letter = MenuCaption::accelerator(text); !letter.isNull())
            letters += letter;
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        take(label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        take(button->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        take(box->title());
    return letters;
}
