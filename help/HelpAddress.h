// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QUrl>

// Turns the help viewer's "page#anchor" addresses into browser addresses. A page names a local
// file, a relative one in the current folder (the program folder); an empty page means the page
// now shown, because the browser would otherwise lose the file and look for a document named only
// by its fragment.
class HelpAddress {
public:
    // Removes leading and trailing blanks and control characters (every character up to U+0020).
    static QString trimBlanksAndControls(const QString& text);

    // The address of anchor on page; an empty anchor is the top of the page.
    static QUrl toUrl(const QString& page, const QString& anchor, const QUrl& currentSource);
};
