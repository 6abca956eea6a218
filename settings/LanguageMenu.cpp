// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/LanguageMenu.h"

#include "platform/Dialogs.h"
#include "settings/ParameterSettings.h"
#include "widgets/ErrorBox.h"

#include <QActionGroup>

#include <utility>

namespace {

// Translated by the language chosen, not the one running.
const char* const appliesAtNextStart =
    QT_TRANSLATE_NOOP("LanguageMenu", "Die gewählte Sprache gilt ab dem nächsten Start von Corvane.");

}  // namespace

LanguageMenu::LanguageMenu(ParameterSettings& settings, QString translationsFolder, QWidget* parent)
    : QMenu(caption(), parent), settings_(settings), translationsFolder_(std::move(translationsFolder))
{
    setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(this);
    const auto item = [&](const QString& text, Language language) {
        QAction* action = addAction(text);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { choose(language); });
        return action;
    };
    // Each name in its own language, in either program.
    german_ = item(QStringLiteral("&Deutsch"), Language::german);
    english_ = item(QStringLiteral("&English"), Language::english);
    showStored();
    connect(&settings_, &ParameterSettings::languageChanged, this, &LanguageMenu::showStored);
}

QString LanguageMenu::caption()
{
    return QStringLiteral("Sp&rache / Language");
}

void LanguageMenu::choose(Language language)
{
    if (language == settings_.language())
        return;
    settings_.setLanguage(language);
    Dialogs::current().information(
        ErrorBox::programTitle,
        ProgramLanguage::translate(language, translationsFolder_, "LanguageMenu", appliesAtNextStart));
}

void LanguageMenu::showStored()
{
    (settings_.language() == Language::english ? english_ : german_)->setChecked(true);
}
