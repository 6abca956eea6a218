// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// What Corvane takes from its command line: the language of one run and the help; anything else
// is said, and so is a language it does not have.
TEST(CommandLineTest, TakesTheLanguageAndTheHelpAndNamesWhatItDoesNotKnow)
{
    struct Case {
        QStringList arguments;  // after the program's name
        std::optional<Language> language;
        bool help;
        const char* error;  // the start of the German error text; empty: none
    } const cases[] = {
        {{}, std::nullopt, false, ""},
        {{QStringLiteral("--lang"), QStringLiteral("en")}, Language::english, false, ""},
        {{QStringLiteral("--lang=de")}, Language::german, false, ""},
        {{QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--lang=en")}, Language::english, false, ""},
        {{QStringLiteral("--help"), QStringLiteral("--lang"), QStringLiteral("en")}, Language::english, true, ""},
        {{QStringLiteral("-h")}, std::nullopt, true, ""},
        {{QStringLiteral("--lang"), QStringLiteral("fr")}, std::nullopt, false, "--lang erwartet de oder en"},
        {{QStringLiteral("--lang")}, std::nullopt, false, "--lang erwartet de oder en"},
        {{QStringLiteral("--lang=EN")}, std::nullopt, false, "--lang erwartet de oder en"},
        {{QStringLiteral("JO31")}, std::nullopt, false, "Unbekannte Angabe: JO31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine line(QStringList {QStringLiteral("Corvane")} + c.arguments);
        EXPECT_EQ(line.language(), c.language);
        EXPECT_EQ(line.helpAsked(), c.help);
        if (*c.error)
            EXPECT_TRUE(line.error().startsWith(QString::fromUtf8(c.error))) << line.error().toStdString();
        else
            EXPECT_TRUE(line.error().isEmpty()) << line.error().toStdString();
    }
}

}  // namespace
