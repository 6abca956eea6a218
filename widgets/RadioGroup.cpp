// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent)
{
    // Radio buttons sharing this parent exclude each other by themselves.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 4, 2);
    layout->setVerticalSpacing(0);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        layout->addWidget(button, i % rows, i / rows);
        connect(button, &QRadioButton::clicked, this, &RadioGroup::itemClicked);
        buttons_.push_back(button);
    }
}

int RadioGroup::itemIndex() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return int(i);
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (buttons_.empty())
        return;
    if (index < 0) {
        // An exclusive group keeps one button checked; lift that for a moment to clear it.
        for (QRadioButton* button : buttons_) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
        return;
    }
    buttons_[std::size_t(std::min(index, count() - 1))]->setChecked(true);
}
