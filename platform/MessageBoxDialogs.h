// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/Dialogs.h"

// The real modal boxes: QMessageBox and QColorDialog over the active window.
class MessageBoxDialogs : public Dialogs {
public:
    void warning(const QString& caption, const QString& text) override;
    void error(const QString& caption, const QString& text) override;
    void information(const QString& caption, const QString& text) override;
    bool confirm(const QString& caption, const QString& text) override;
    std::optional<unsigned> chooseColor(unsigned initial) override;
};
