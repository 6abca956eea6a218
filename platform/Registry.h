// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// Per-user registry values under HKEY_CURRENT_USER\Software\<company>: the native settings store
// (the registry on Windows, ~/.config/<company>.conf here).
class Registry {
public:
    // False when the key cannot be opened or written; callers may ignore it.
    static bool writeString(const QString& company, const QString& name, const QString& value);
    static QString readString(const QString& company, const QString& name);
};
