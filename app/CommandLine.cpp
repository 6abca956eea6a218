// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/CommandLine.h"

CommandLine::CommandLine(const QStringList& arguments)
{
    const QString langOption = QStringLiteral("--lang");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            helpAsked_ = true;
            continue;
        }
        QString code;
        if (argument == langOption) {
            if (i + 1 == arguments.size()) {
                codeMissing_ = true;
                continue;
            }
            code = arguments.at(++i);
        } else if (argument.startsWith(langOption + u'=')) {
            code = argument.mid(langOption.size() + 1);
        } else {
            if (unknown_.isEmpty())
                unknown_ = argument;
            continue;
        }
        language_ = ProgramLanguage::fromCode(code);
        if (!language_ && badCode_.isEmpty())
            badCode_ = code;
    }
}

QString CommandLine::error() const
{
    if (!unknown_.isEmpty())
        return tr("Unbekannte Angabe: %1").arg(unknown_);
    if (codeMissing_ || !badCode_.isEmpty())
        return tr("--lang erwartet de oder en.");
    return QString();
}

QString CommandLine::helpText()
{
    return tr("Aufruf: Corvane [--lang de|en]\n"
              "\n"
              "Richtung und Entfernung zur Gegenstation auf Welt- und Beamkarte, Antenne drehen.\n"
              "\n"
              "  --lang de|en   Sprache der Oberfläche für diesen Start, statt der in den Parametern\n"
              "                 gewählten ([Parameter] Sprache in Corvane.ini)\n"
              "  -h, --help     zeigt diese Hilfe\n");
}
