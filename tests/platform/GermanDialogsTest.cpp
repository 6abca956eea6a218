// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/Dialogs.h"
#include "platform/ProgramLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs a modal step; while it waits, inspect() sees the box and closes it.
void whileModal(const std::function<void()>& step, const std::function<void(QWidget*)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(100, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        seen = true;
        inspect(box);
    });
    step();
    EXPECT_TRUE(seen) << "no modal box came up";
}

QStringList buttonTexts(QWidget* box)
{
    QStringList texts;
    for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

// The program's own boxes name their buttons in German with or without Qt's translation, and
// Return answers the default button (Yes, as on the system the program came from).
TEST(GermanDialogsTest, ConfirmationAndMessageBoxesSpeakGerman)
{
    Dialogs::install(nullptr);
    for (const bool translated : {false, true}) {
        SCOPED_TRACE(translated ? "with Qt's translation" : "without");
        ASSERT_TRUE(!translated || ProgramLanguage::install(*qApp, Language::german, QString()));
        bool answer = false;
        whileModal([&] { answer = Dialogs::current().confirm(QStringLiteral("Corvane"), QStringLiteral("Wirklich?")); },
                   [](QWidget* box) {
                       EXPECT_EQ(buttonTexts(box), (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
                       QTest::keyClick(box, Qt::Key_Return);
                   });
        EXPECT_TRUE(answer);
        whileModal([] { Dialogs::current().warning(QStringLiteral("Corvane"), QStringLiteral("ungültiger Locator")); },
                   [](QWidget* box) {
                       EXPECT_EQ(buttonTexts(box), QStringList{QStringLiteral("OK")});
                       QTest::keyClick(box, Qt::Key_Enter);
                   });
    }
}

// With the program's English translation the same boxes say Yes and No.
TEST(GermanDialogsTest, TheEnglishProgramsBoxesSayYesAndNo)
{
    Dialogs::install(nullptr);
    ASSERT_TRUE(ProgramLanguage::install(
        *qApp, Language::english, qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/translations")));
    whileModal([] { Dialogs::current().confirm(QStringLiteral("Corvane"), QStringLiteral("Really?")); },
               [](QWidget* box) {
                   EXPECT_EQ(buttonTexts(box), (QStringList {QStringLiteral("&No"), QStringLiteral("&Yes")}));
                   QTest::keyClick(box, Qt::Key_Escape);
               });
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(GermanDialogsTest, TheColourDialogIsGermanWithTheTranslation)
{
    if (!ProgramLanguage::install(*qApp, Language::german, QString()))
        GTEST_SKIP() << "Qt's German translation is not installed";
    Dialogs::install(nullptr);
    whileModal([] { Dialogs::current().chooseColor(0x0000ff); }, [](QWidget* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Farbauswahl"));
        EXPECT_TRUE(buttonTexts(box).contains(QStringLiteral("Abbrechen"))) << buttonTexts(box).join(u',').toStdString();
        static_cast<QDialog*>(box)->reject();
    });
    EXPECT_FALSE(ProgramLanguage::install(*qApp, Language::german, QString(), QStringLiteral("/no/such/folder")));
}

} // namespace
