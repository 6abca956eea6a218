// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <functional>
#include <vector>

class QWidget;

// The creation of windows hidden at start, put off until the main window has been painted for
// the first time, or done at once when one of them is asked for earlier; always all of them, in
// the order they were added.
class LaterWindows {
public:
    void add(std::function<void()> create);
    // Creates them after the first paint of window.
    void createAfterFirstPaint(QWidget* window);
    // Creates every window not created yet.
    void createAll();

private:
    std::vector<std::function<void()>> pending_;
};
