// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

// Splits a text file's content into lines ending in CR LF, CR or LF; a last line without an
// ending counts, a final line ending does not start an empty line.
class TextLines {
public:
    static QStringList split(const QString& text);
};
