// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/LaterWindows.h"

#include "widgets/AfterFirstPaint.h"

#include <utility>

void LaterWindows::add(std::function<void()> create)
{
    pending_.push_back(std::move(create));
}

void LaterWindows::createAfterFirstPaint(QWidget* window)
{
    AfterFirstPaint::run(window, [this] { createAll(); });
}

void LaterWindows::createAll()
{
    // A creation may ask for a window of the list again (through an accessor): taken out first.
    const std::vector<std::function<void()>> pending = std::exchange(pending_, {});
    for (const auto& create : pending)
        create();
}
