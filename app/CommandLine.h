// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/ProgramLanguage.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What Corvane is told on its command line: "--lang de|en" (also "--lang=en"), the language of
// this run over the stored one, and "-h" / "--help". Read before the translations are installed,
// so that they follow it; the texts it prints are asked for after.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    // The arguments with the program's name first, as QCoreApplication::arguments() gives them.
    explicit CommandLine(const QStringList& arguments);

    std::optional<Language> language() const { return language_; }
    bool helpAsked() const { return helpAsked_; }
    // What was not understood, in the installed language; empty when all was.
    QString error() const;

    static QString helpText();

private:
    std::optional<Language> language_;
    bool helpAsked_ = false;
    QString unknown_;  // the first argument not understood
    QString badCode_;  // a language code other than de and en
    bool codeMissing_ = false;
};
