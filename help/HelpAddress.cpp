// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/HelpAddress.h"

#include <QFileInfo>

QString HelpAddress::trimBlanksAndControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= u' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

QUrl HelpAddress::toUrl(const QString& page, const QString& anchor, const QUrl& currentSource)
{
    QUrl url;
    if (page.isEmpty())
        url = currentSource;
    else
        url = QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath());  // relative to the program folder
    // An empty but present fragment names the top of the page.
    url.setFragment(anchor.isEmpty() ? QStringLiteral("") : anchor);
    return url;
}
