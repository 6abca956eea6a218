// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class QWidget;

// A tool window's item in the main window's menu: the window shows, in front and with the
// keyboard, or hides again.
class MenuToggle {
public:
    // Returns whether the window shows now; the caller then puts the focus where it belongs.
    static bool toggle(QWidget& window);
};
