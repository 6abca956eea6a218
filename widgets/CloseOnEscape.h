// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class QWidget;

// Esc closes the tool window, as it closes dialogs: the window's own close handling runs as for
// its close button.
void closeOnEscape(QWidget* window);
