// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

class QCoreApplication;

// The language of the user interface. German is the language the texts are written in; English
// is their translation.
enum class Language { german, english };

// The translations a run installs: for German Qt's own texts of its standard dialogs ("qtbase_de"
// from Qt's translations folder), so that the German program shows no English dialog; for English
// the program's own translation ("corvane_en" from the program's translations folder) and none of
// Qt's, whose texts are English.
class ProgramLanguage {
public:
    // The file name of the program's English translation, without ".qm".
    static QString englishFile();

    // Installs the language's translation in the application, which owns it. ownFolder holds the
    // program's translations, qtFolder Qt's (Qt's translations folder when empty). False when the
    // file is missing: the program shows its German texts then, Qt's dialogs theirs in English.
    static bool install(QCoreApplication& application, Language language, const QString& ownFolder,
                        const QString& qtFolder = QString());

    // A text of the program in the given language, whichever is installed: the box that confirms
    // a change of language speaks the language chosen. The source text when no translation has it.
    static QString translate(Language language, const QString& ownFolder, const char* context, const char* source);

    // The language a code on the command line names ("de", "en"); none for any other code.
    static std::optional<Language> fromCode(const QString& code);
};
