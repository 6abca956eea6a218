// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/ProgramLanguage.h"

#include <QMenu>
#include <QString>

class ParameterSettings;
class QAction;

// The choice of the user interface's language, as the main window's "Extras" menu and the
// parameter window's context menu offer it under "Sprache / Language": "Deutsch" and "English",
// each in its own language, the stored one checked. A change is stored and confirmed in a box in
// the language chosen: the windows take it at the next start.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    // translationsFolder holds the program's translations, for the box in the language chosen.
    LanguageMenu(ParameterSettings& settings, QString translationsFolder, QWidget* parent);

    // The caption of the item that opens the menu: the same in both languages, so that a user who
    // reads neither the program's present language finds it.
    static QString caption();

    QAction* germanItem() const { return german_; }
    QAction* englishItem() const { return english_; }

private:
    void choose(Language language);
    void showStored();

    ParameterSettings& settings_;
    QString translationsFolder_;
    QAction* german_ = nullptr;
    QAction* english_ = nullptr;
};
