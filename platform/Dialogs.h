// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

class QWidget;

// The one seam for modal boxes: the program shows them through Dialogs::current(); tests install
// a scripted replacement so that nothing modal blocks them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void warning(const QString& caption, const QString& text) = 0;
    virtual void error(const QString& caption, const QString& text) = 0;
    virtual void information(const QString& caption, const QString& text) = 0;
    // True for Yes, false for No.
    virtual bool confirm(const QString& caption, const QString& text) = 0;
    // A Windows colour value 0x00BBGGRR, or nothing when cancelled.
    virtual std::optional<unsigned> chooseColor(unsigned initial) = 0;

    static Dialogs& current();
    // Replaces the boxes (tests); nullptr restores the real ones. The caller keeps ownership.
    static void install(Dialogs* dialogs);
};
