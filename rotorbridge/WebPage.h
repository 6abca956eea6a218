// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>

// The web page's document in the program's language: each {{German text}} of index.html
// translated and escaped, {{lang}} the language's code, {{texts}} the texts the page's script
// shows, as a JSON object from the German text to the shown one.
class WebPage {
public:
    static QByteArray index();
};
