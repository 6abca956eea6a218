// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The language chosen from the main window's "Extras" menu or the parameter window's context
// menu: stored for the next start, and confirmed in a box in the language chosen.

#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "app/TFormA.h"
#include "settings/LanguageMenu.h"
#include "settings/TForm3.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(LanguageChoiceTest, EitherMenuStoresTheChoiceAndConfirmsItInTheLanguageChosen)
{
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    folder.writeReferenceData();
    QFile qm(qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/translations/corvane_en.qm"));
    ASSERT_TRUE(qm.open(QIODevice::ReadOnly)) << "build the translations target";
    ASSERT_TRUE(QDir().mkpath(folder.path() + QStringLiteral("translations")));
    folder.writeFile(QStringLiteral("translations/corvane_en.qm"), qm.readAll());
    folder.start();
    Program& program = *folder.program();
    auto* mainMenu = program.mainWindow()->findChild<LanguageMenu*>();
    auto* parameterMenu = program.parameterWindow()->findChild<LanguageMenu*>();
    ASSERT_TRUE(mainMenu && parameterMenu);
    EXPECT_EQ(mainMenu->menuAction()->text(), QStringLiteral("Sp&rache / Language"));
    EXPECT_TRUE(program.parameterWindow()->actions().contains(parameterMenu->menuAction()));

    const QString english =
        QStringLiteral("information|Corvane|The language chosen applies from the next start of Corvane.");
    const QString german =
        QStringLiteral("information|Corvane|Die gewählte Sprache gilt ab dem nächsten Start von Corvane.");
    struct Step {
        const char* name;
        LanguageMenu* menu;
        bool toEnglish;
        QString box;  // none when the language stays
    } const steps[] = {
        {"German again, from the main window", mainMenu, false, QString()},
        {"English, from the main window", mainMenu, true, english},
        {"English again, from the parameter window", parameterMenu, true, QString()},
        {"German, from the parameter window", parameterMenu, false, german},
        {"English, from the parameter window", parameterMenu, true, english},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        dialogs.shown.clear();
        (step.toEnglish ? step.menu->englishItem() : step.menu->germanItem())->trigger();
        EXPECT_EQ(dialogs.shown, step.box.isEmpty() ? QStringList() : QStringList {step.box});
        EXPECT_EQ(program.parameters().language(), step.toEnglish ? Language::english : Language::german);
        // Both menus check the stored language.
        for (LanguageMenu* menu : {mainMenu, parameterMenu})
            EXPECT_EQ(menu->englishItem()->isChecked(), step.toEnglish);
    }
    // The windows of this run keep their language.
    EXPECT_EQ(program.parameterWindow()->windowTitle(), QStringLiteral("Parameter"));
    folder.stop();
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("Sprache=English\r\n"));
}

}  // namespace
