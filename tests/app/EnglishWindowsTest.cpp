// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The program in English: every window, made with the English translation installed, shows no
// German text, and no English text is cut where the window places its controls itself.

#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "app/TFormA.h"
#include "platform/ProgramLanguage.h"
#include "widgets/MenuCaption.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QString translationsFolder()
{
    return qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/translations");
}

// The German texts of the translation whose English differs, as a menu or label shows them.
QSet<QString> germanSources()
{
    QFile file(qEnvironmentVariable("CORVANE_SOURCE_DIR") + QStringLiteral("/translations/corvane_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QSet<QString> sources;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString english = xml.readElementText();
            if (english != source)
                sources.insert(MenuCaption::shown(source).trimmed());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sources;
}

// Every text a user reads on a widget, with where it stands.
void collectTexts(QWidget* widget, QList<std::pair<QString, QString>>& texts)
{
    const QString where = QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
    const auto add = [&](const QString& text) {
        if (!text.isEmpty())
            texts.append({MenuCaption::shown(text), where});
    };
    if (widget->isWindow())
        add(widget->windowTitle());
    add(widget->toolTip());
    if (auto* label = qobject_cast<QLabel*>(widget))
        add(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        add(button->text());
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        add(box->title());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        add(edit->placeholderText());
        add(edit->text());  // a value the window fills in, such as a port switched off
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        for (const QString& line : edit->toPlainText().split(u'\n'))
            add(line);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i)
            add(combo->itemText(i));
    if (auto* table = qobject_cast<QTableWidget*>(widget))
        for (int column = 0; column < table->columnCount(); ++column)
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(column))
                add(header->text());
    QList<QAction*> actions = widget->actions();
    while (!actions.isEmpty()) {
        QAction* action = actions.takeFirst();
        add(action->text());
        add(action->toolTip() == MenuCaption::shown(action->text()) ? QString() : action->toolTip());
        if (action->menu())
            actions += action->menu()->actions();
    }
}

class EnglishWindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder.writeReferenceData();
        ASSERT_TRUE(ProgramLanguage::install(*qApp, Language::english, translationsFolder()));
    }
    void TearDown() override
    {
        folder.stop();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

TEST_F(EnglishWindowsTest, NoWindowShowsGermanAndNoTextIsCut)
{
    folder.start();
    Program& program = *folder.program();
    TFormA* main = program.mainWindow();
    main->show();
    // The windows made later, and those made when first asked for.
    program.aboutWindow();
    program.helpWindow();
    program.directionsWindow();
    emit main->dxSpotsRequested();
    emit main->rotorSetupRequested();
    main->showStartPrompt();

    const QSet<QString> german = germanSources();
    ASSERT_GT(german.size(), 100);
    static const QRegularExpression umlaut(QStringLiteral("[äöüÄÖÜß]"));
    QList<std::pair<QString, QString>> texts;
    for (QWidget* widget : QApplication::allWidgets())
        collectTexts(widget, texts);
    ASSERT_GT(texts.size(), 200);
    for (const auto& [text, where] : texts) {
        SCOPED_TRACE(where.toStdString());
        EXPECT_FALSE(german.contains(text.trimmed())) << "German left: " << text.toStdString();
        EXPECT_FALSE(text.contains(umlaut)) << "German left: " << text.toStdString();
    }

    // Controls the windows place themselves (no layout) are as wide as their text, within the
    // widget that holds them; a check box or radio button beside its box.
    for (QWidget* widget : QApplication::allWidgets()) {
        QWidget* parent = widget->parentWidget();
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? MenuCaption::shown(button->text()) : QString();
        if (!parent || parent->layout() || widget->isWindow() || widget->isHidden() || widget->width() == 0 ||
            text.isEmpty() || (label && (label->wordWrap() || label->textFormat() == Qt::RichText)))
            continue;
        SCOPED_TRACE(
            (QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName() + u' ' + text)
                .toStdString());
        const int indicator = qobject_cast<QPushButton*>(widget) || label ? 0 : 16;  // pixels
        EXPECT_LE(widget->fontMetrics().horizontalAdvance(text) + indicator, widget->width()) << "text cut";
        EXPECT_LE(widget->geometry().right(), parent->width() - 1) << "beyond its group";
    }
}

}  // namespace
