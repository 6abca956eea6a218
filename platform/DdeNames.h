// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// How DDE names map onto the session bus: service S owns the bus name "dde.S", topic T is the
// object path "/T", and a macro is the method Execute(s) of the interface below.
class DdeNames {
public:
    static const QString interfaceName;
    static const QString executeMethod;

    // "dde." + the service, with characters outside [A-Za-z0-9_] turned into "_" and a "_" put
    // before a leading digit, since a bus name element may not start with one.
    static QString busName(const QString& service);
    static QString objectPath(const QString& topic);

    // A name turned into one bus-name element: characters outside [A-Za-z0-9_] become "_", and a
    // "_" goes before a leading digit. Window names for window messages use the same rule.
    static QString busElement(const QString& name);

    // The service of a program given by its path: its file name without a trailing ".exe".
    static QString programService(const QString& path);
    // The service a program registers for itself: its file name up to the first ".".
    static QString ownService(const QString& path);
};
