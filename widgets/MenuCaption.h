// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// A menu item's text with its accelerator: "&" before the underlined character, "&&" for a plain
// "&". The main window keeps J and L free: Alt+J and Alt+L turn the rotor from every window.
class MenuCaption {
public:
    // The caption as written in a menu, with its first letter or digit that is neither J nor L nor
    // in taken (upper case) marked as the accelerator; without one when none is free.
    static QString marked(const QString& caption, const QString& taken);
    // The text the menu shows: the marks removed, "&&" back to "&".
    static QString shown(const QString& text);
    // The accelerator of a menu text in upper case, or a null character.
    static QChar accelerator(const QString& text);
};
