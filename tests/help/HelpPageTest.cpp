// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/SettingsFile.h"
#include "settings/ParameterSettings.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The paragraphs, list items and table rows of the help page as the reader sees them.
QStringList helpParagraphs()
{
    QFile page(qEnvironmentVariable("CORVANE_SOURCE_DIR") + QStringLiteral("/help/Corvane.htm"));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromLatin1(page.readAll());
    const QRegularExpression unit(QStringLiteral("<(p|li|tr)\\b[^>]*>(.*?)</\\1>"),
                                  QRegularExpression::DotMatchesEverythingOption);
    QStringList paragraphs;
    for (auto it = unit.globalMatch(html); it.hasNext();)
        paragraphs << QTextDocumentFragment::fromHtml(it.next().captured(2)).toPlainText().simplified();
    return paragraphs;
}

// What is off at a first start the help never describes as simply there: wherever it speaks of
// it, it names the switch in the parameter window, whose own row gives the first start's choice.
TEST(HelpPageTest, WhatIsOffAtAFirstStartIsDescribedWithItsSwitch)
{
    QTemporaryDir folder;
    ParameterSettings firstStart;
    SettingsFile none(folder.path() + QStringLiteral("/Corvane.ini"));
    firstStart.load(none);
    const QStringList paragraphs = helpParagraphs();
    ASSERT_GT(paragraphs.size(), 50);
    const struct {
        const char* what;
        QStringList mentions;  // ways the help speaks of it
        QString switchName;
        ParameterSettings::OnOff atFirstStart;
    } cases[] = {
        {"the mouse read-out",
         {QStringLiteral("unter der Maus"), QStringLiteral("neben dem Mauszeiger"), QStringLiteral("Bewegen zeigt")},
         QStringLiteral("Anzeige Mausposition"),
         firstStart.mousePositionShown()},
        {"the cities",
         {QStringLiteral("Städte und Inseln als"), QStringLiteral("Städte als Punkte"),
          QStringLiteral("Städte und Inseln auf")},
         QStringLiteral("Anzeige Städte/Inseln"),
         firstStart.citiesShown()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int spoken = 0;
        for (const QString& paragraph : paragraphs) {
            const bool speaksOfIt = std::any_of(c.mentions.begin(), c.mentions.end(),
                                                [&](const QString& mention) { return paragraph.contains(mention); });
            if (!speaksOfIt)
                continue;
            ++spoken;
            EXPECT_TRUE(paragraph.contains(c.switchName)) << paragraph.toStdString();
            if (paragraph.startsWith(c.switchName + QStringLiteral(" Ein/Aus"))) {
                const bool on = c.atFirstStart == ParameterSettings::OnOff::on;
                EXPECT_TRUE(paragraph.contains(on ? QStringLiteral("Vorgabe: Ein") : QStringLiteral("Vorgabe: Aus")))
                    << paragraph.toStdString();
            }
        }
        EXPECT_GE(spoken, 3);
    }
}

}  // namespace
