// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

// The web page's password as the rotor program keeps it: never the password itself, only a salted
// PBKDF2-SHA256 key, one line "pbkdf2-sha256$ITERATIONS$SALT$KEY" (salt and key in base64), in a
// file only the user may read.
class WebPassword {
public:
    static constexpr int iterations = 200000;
    static constexpr int minimumLength = 8;  // characters

    // The stored line of a password, with a fresh random 128-bit salt unless one is given.
    static QByteArray hashLine(const QString& password, const QByteArray& salt = {});
    // Whether the password is the one the line was made from. A malformed line, or one of fewer
    // iterations than this program makes, matches nothing.
    static bool matches(const QString& password, const QByteArray& line);

    // ~/.local/share/Corvane/CorvaneRotor-web.pass
    static QString defaultPath();
    // Why the password is not taken (too short); empty when it is.
    static QString refusal(const QString& password);
    // Writes the password's line to the file (mode 0600, replaced whole or not at all); returns
    // why that failed, empty on success.
    static QString save(const QString& path, const QString& password);
    // The stored line; empty when there is none or it cannot be read.
    static QByteArray load(const QString& path);
};
