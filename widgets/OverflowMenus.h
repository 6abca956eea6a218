// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>

class QMenuBar;

// The menus of a menu bar whose items no longer fit and went into the bar's overflow button:
// opened by their letter (Alt and the letter), they open below that button, inside the window,
// instead of where their item would stand beyond the window's edge. Opened from the overflow
// button's own list they open beside it, as Qt places them.
class OverflowMenus : public QObject {
    Q_OBJECT
public:
    // Watches the menus the bar holds now; belongs to the bar.
    explicit OverflowMenus(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* bar_;
};
