// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/MenuToggle.h"

#include <QWidget>

bool MenuToggle::toggle(QWidget& window)
{
    window.setVisible(!window.isVisible());
    if (!window.isVisible())
        return false;
    window.raise();
    window.activateWindow();
    return true;
}
