// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <exception>
#include <utility>

// Failures that escape an event handler are shown in an error box with the program title as
// caption and a "." appended when the text lacks one; the program goes on.
class ErrorBox {
public:
    static const QString programTitle;

    static void show(const QString& text);
    static void show(const std::exception& error);

    // Runs a handler; an exception it throws is shown, and the handler's remaining steps skipped.
    // False when that happened.
    template <typename Handler>
    static bool guard(Handler&& handler)
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const std::exception& error) {
            show(error);
            return false;
        }
    }
};
