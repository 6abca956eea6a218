// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// Replaces the modal boxes while it lives: records every box and answers from a script.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    void warning(const QString& caption, const QString& text) override { record(QStringLiteral("warning"), caption, text); }
    void error(const QString& caption, const QString& text) override { record(QStringLiteral("error"), caption, text); }
    void information(const QString& caption, const QString& text) override { record(QStringLiteral("information"), caption, text); }
    bool confirm(const QString& caption, const QString& text) override
    {
        record(QStringLiteral("confirm"), caption, text);
        if (confirmAnswers.empty())
            return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    std::optional<unsigned> chooseColor(unsigned) override
    {
        record(QStringLiteral("color"), QString(), QString());
        if (colorAnswers.empty())
            return std::nullopt;
        const auto answer = colorAnswers.front();
        colorAnswers.pop_front();
        return answer;
    }

    // "kind|caption|text" per box shown, in order.
    QStringList shown;
    std::deque<bool> confirmAnswers;                   // No when empty
    std::deque<std::optional<unsigned>> colorAnswers;  // cancelled when empty
    // Runs while a box is shown, as the user reads it (a real box runs an event loop meanwhile).
    std::function<void()> whileShown;

private:
    void record(const QString& kind, const QString& caption, const QString& text)
    {
        shown << kind + u'|' + caption + u'|' + text;
        if (whileShown)
            whileShown();
    }
};
