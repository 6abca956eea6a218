// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The rotor program's registration as the set-up window edits it: every value as text, empty for
// the rotor program's default. Read from what the rotor program stored, turned into the options
// of "CorvaneRotor --check" and "--register", so that the window and the command line store the
// same things in the same place.
struct RotorSetup {
    // Hamlib rotator models as "CorvaneRotor --list-models" prints them.
    struct Model {
        int number = 0;
        QString maker;
        QString name;
        QString text() const;  // "601 – Yaesu GS-232A"
    };

    QString model = QStringLiteral("1");
    QString device;        // serial port or host:port; empty for the model's default
    QString serialSpeed;   // baud; empty for the model's default
    QStringList otherConf; // further Hamlib settings NAME=VALUE, kept as stored
    QString minAzimuth, maxAzimuth;           // travel ends, degrees
    QString rotctld, pst, n1mm, n1mmAnnounce;  // "[address:]port", "aus" or empty
    QString web;                                // the web page's "[address:]port"; empty: none
    QString webCertificate, webKey;             // the page's own certificate files, kept as stored
    QString parkAzimuth, parkElevation;       // degrees
    QString deadBand;                          // degrees
    QString leastInterval;                     // ms

    // What the rotor program registered; defaults where nothing is.
    static RotorSetup registered();
    // The options for the rotor program, without the action ("--check", "--register").
    QStringList arguments() const;

    static std::vector<Model> parseModels(const QString& listing);
    // The models whose number, maker or name contain every word of the search, in any case.
    static std::vector<Model> matching(const std::vector<Model>& models, const QString& search);
};
