// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// The path rule as Corvane's parameter window sets it: whether the rotor takes the shorter way
// round and how far beyond the travel ends it may overlap. Read from Corvane's settings file,
// whose path Corvane records at every start, so the rotor program follows the last settings
// Corvane left also while Corvane is not running.
class PathSettings {
public:
    bool optimise = true;
    double overlap = 10;  // degrees

    // The settings in the file Corvane recorded; Corvane's defaults where there is none.
    static PathSettings recorded();
    // The settings in that file; Corvane's defaults for what it lacks.
    static PathSettings fromFile(const QString& path);
};
