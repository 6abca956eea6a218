// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/WebPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The document's texts, named by themselves in it.
const char* const documentTexts[] = {
    QT_TRANSLATE_NOOP("WebPage", "Passwort"),
    QT_TRANSLATE_NOOP("WebPage", "Anmelden"),
    QT_TRANSLATE_NOOP("WebPage", "Antennenrichtung"),
    QT_TRANSLATE_NOOP("WebPage", "N"),
    QT_TRANSLATE_NOOP("WebPage", "O"),
    QT_TRANSLATE_NOOP("WebPage", "S"),
    QT_TRANSLATE_NOOP("WebPage", "W"),
    QT_TRANSLATE_NOOP("WebPage", "Beam-Karte um die eigene Station"),
    QT_TRANSLATE_NOOP("WebPage", "Azimut"),
    QT_TRANSLATE_NOOP("WebPage", "Elevation"),
    QT_TRANSLATE_NOOP("WebPage", "Ziel"),
    QT_TRANSLATE_NOOP("WebPage", "Bewegung"),
    QT_TRANSLATE_NOOP("WebPage", "Winkel, Locator oder Rufzeichen"),
    QT_TRANSLATE_NOOP("WebPage", "Drehen"),
    QT_TRANSLATE_NOOP("WebPage", "Langer Weg"),
    QT_TRANSLATE_NOOP("WebPage", "Stopp"),
    QT_TRANSLATE_NOOP("WebPage", "Parken"),
    QT_TRANSLATE_NOOP("WebPage", "Richtungen"),
    QT_TRANSLATE_NOOP("WebPage", "Abmelden"),
};

// What the page's script shows as things happen.
const char* const scriptTexts[] = {
    QT_TRANSLATE_NOOP("WebPage", "steht"),
    QT_TRANSLATE_NOOP("WebPage", "im Uhrzeigersinn"),
    QT_TRANSLATE_NOOP("WebPage", "gegen den Uhrzeigersinn"),
    QT_TRANSLATE_NOOP("WebPage", "Fremdziel von %1"),
    QT_TRANSLATE_NOOP("WebPage", "Bitte neu anmelden"),
    QT_TRANSLATE_NOOP("WebPage", "Abgemeldet"),
};

QString translated(const char* german)
{
    return QCoreApplication::translate("WebPage", german);
}

}  // namespace

QByteArray WebPage::index()
{
    QFile file(QStringLiteral(":/web/index.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QString page = QString::fromUtf8(file.readAll());
    for (const char* german : documentTexts)
        page.replace(QStringLiteral("{{%1}}").arg(QString::fromUtf8(german)), translated(german).toHtmlEscaped());
    QJsonObject script;
    for (const char* german : scriptTexts)
        script.insert(QString::fromUtf8(german), translated(german));
    // Inside a script element only "</" could end it early; JSON allows "<\/" for it.
    const QString json = QString::fromUtf8(QJsonDocument(script).toJson(QJsonDocument::Compact)).replace(
        QStringLiteral("</"), QStringLiteral("<\\/"));
    // The code of the language the texts are in, translated with them.
    page.replace(QStringLiteral("{{lang}}"), QCoreApplication::translate("WebPage", "de", "language code of the page"));
    page.replace(QStringLiteral("{{texts}}"), json);
    return page.toUtf8();
}
