// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/CommandLine.h"
#include "app/FontWarmUp.h"
#include "app/Program.h"
#include "app/TFormA.h"
#include "platform/NamedMutex.h"
#include "platform/ProgramLanguage.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QFont>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

int main(int argc, char** argv)
{
    // A second start ends at once, silently, before anything else is made, unless it asks for the
    // help, which is answered also while the program runs. The lock is held until the settings
    // are saved at shut-down; what follows (the leave from Logger32) may take seconds and must not
    // keep a new start out.
    const bool helpAsked = std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0;
    });
    NamedMutex instanceMutex(QStringLiteral("Corvane"));
    const bool first = instanceMutex.tryLock();
    if (!first && !helpAsked)
        return 0;

    // The font configuration loads beside the connection to the display and the windows'
    // creation (Qt takes the thread that first makes a Qt object as its main thread).
    std::optional<FontWarmUp> fonts;
    if (first)
        fonts.emplace();
    QApplication application(argc, argv);
    const CommandLine commandLine(QApplication::arguments());
    Program program(QApplication::applicationDirPath());
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.corvane.Corvane"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    // The language told for this run over the stored one; the texts of the options follow it, and
    // the rotor program this run starts (CORVANE_LANGUAGE, inherited) speaks it too.
    ProgramLanguage::install(application, commandLine.language().value_or(program.storedLanguage()),
                             program.translationsFolder());
    if (const std::optional<Language> told = commandLine.language())
        qputenv("CORVANE_LANGUAGE", *told == Language::english ? "en" : "de");
    if (!commandLine.error().isEmpty()) {
        std::fputs(qPrintable(commandLine.error() + u'\n' + CommandLine::helpText()), stderr);
        return 2;
    }
    if (commandLine.helpAsked() || !first) {
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    }
    program.createWindows();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, [&program] {
        if (program.mainWindow())
            program.mainWindow()->close();
    });
    const int exitCode = program.run();
    program.destroyWindows([&instanceMutex] { instanceMutex.unlock(); });
    return exitCode;
}
