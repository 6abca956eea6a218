// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/LinkOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the rotor program drives: a Hamlib model, device and settings and the travel ends it
// reports. "--register" stores exactly the options given (the others back at their defaults);
// a run without them takes the stored ones, so that the program drives the user's rotator when
// Corvane starts it without arguments.
struct BridgeOptions {
    static constexpr int dummyModel = 1;

    enum class Action {
        Run,       // drive the rotator for Corvane
        Register,  // check and store these options and the program's path, then end
        Show,      // print the stored options, then end
        Check,     // open the rotator with these options and read its position, store nothing
        ListModels,  // print the rotator models Hamlib knows, then end
        SetWebPassword,  // read the web page's password from standard input, store its key, then end
    };

    Action action = Action::Run;
    int model = dummyModel;
    QString device;                  // empty: the model's default
    QStringList conf;                // Hamlib settings "KEY=VALUE"
    std::optional<int> minAzimuth;   // left end of travel, degrees; the rotator's when not set
    std::optional<int> maxAzimuth;   // right end of travel, degrees
    LinkOptions links;               // the other clients' ports and the rules of motion

    // Nothing and an error text in *error for bad options; an empty error with nothing means
    // that the help was shown.
    static std::optional<BridgeOptions> parse(const QStringList& arguments, QString* error);
    // The options stored by the last "--register" (defaults where none are stored); an error
    // text in *error when a stored value cannot be read.
    static BridgeOptions stored(QString* error);
    // The path of the rotor program that Corvane starts; empty when none is registered.
    static QString storedProgram();
    // Stores the program's path (found by Corvane) and these values.
    bool save(const QString& programPath) const;
    // The rotator's settings as lines for the user: model, device, settings, travel ends (the
    // links describe themselves).
    QStringList describe() const;
};
