// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString ProgramLanguage::englishFile()
{
    return QStringLiteral("corvane_en");
}

bool ProgramLanguage::install(QCoreApplication& application, Language language, const QString& ownFolder,
                              const QString& qtFolder)
{
    auto* translator = new QTranslator(&application);
    const bool loaded = language == Language::english
        ? translator->load(englishFile(), ownFolder)
        : translator->load(QStringLiteral("qtbase_de"),
                           qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder);
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

QString ProgramLanguage::translate(Language language, const QString& ownFolder, const char* context, const char* source)
{
    QTranslator translator;
    QString text;
    if (language == Language::english && translator.load(englishFile(), ownFolder))
        text = translator.translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

std::optional<Language> ProgramLanguage::fromCode(const QString& code)
{
    if (code == QLatin1String("de"))
        return Language::german;
    if (code == QLatin1String("en"))
        return Language::english;
    return std::nullopt;
}
