// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/WindowList.h"

#include <QTimer>

void WindowList::destroyAll()
{
    for (const Slot& slot : slots_)
        if (slot.window)
            for (QTimer* timer : slot.window->findChildren<QTimer*>())
                timer->stop();
    while (!slots_.empty()) {
        Slot last = std::move(slots_.back());
        slots_.pop_back();
        if (!last.window)
            continue;
        if (last.formDestroy)
            ErrorBox::guard(last.formDestroy);
        last.forget();
        delete last.window;
    }
}
