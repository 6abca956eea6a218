// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

// A framed group of radio buttons with one selected item, laid out in columns filled top to
// bottom. itemIndex() is -1 while no item is selected.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const;
    // Out-of-range values select nothing (below 0) or the last item (above it), as the stored
    // settings may hold anything.
    void setItemIndex(int index);
    QRadioButton* button(int index) const { return buttons_.at(std::size_t(index)); }
    int count() const { return int(buttons_.size()); }

signals:
    // The user clicked an item; not emitted by setItemIndex.
    void itemClicked();

private:
    std::vector<QRadioButton*> buttons_;
};
