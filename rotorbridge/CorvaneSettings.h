// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

class ParameterSettings;

// Corvane's settings file as Corvane recorded its path at its last start: the rotor program follows
// the path rule and the language its parameters set, and shows the beam map kept beside it.
class CorvaneSettings {
public:
    // The recorded path; empty when Corvane recorded none.
    static QString path();
    // Loads the parameters of the file at path, read only; false, leaving them as they are, when
    // there is no such file.
    static bool loadParameters(const QString& path, ParameterSettings& into);
    // Corvane's beam map beside the recorded file; empty without one.
    static QString beamMap();
};
