// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/Endpoint.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QCommandLineParser;

// How the rotor program serves the other rotator clients, and the rules of motion for all of
// them: the rotctld server (off unless registered), the PstRotator and N1MM ports (on by default
// on the loopback), the N1MM announcements, the park position, dead band and least interval.
// Registered and read back like the rotator's options.
struct LinkOptions {
    // A port the rotor program serves, named as the log and the check name it.
    struct Listener {
        enum class Kind { Rotctld, Pst, N1mm, Web };
        Kind kind;
        QString name;  // "rotctld-Server", "PstRotator-UDP", "N1MM-UDP", "Webseite"
        Endpoint endpoint;

        // For an address beyond the loopback, which other machines reach, the warning with the
        // WSJT-X link's words ("Achtung: rotctld-Server auf 0.0.0.0:4533 empfangsbereit, auch aus
        // dem Netz, ohne Anmeldung …"); empty otherwise.
        QString networkWarning() const;
    };

    std::optional<Endpoint> rotctld;  // nothing: no rotctld server
    Endpoint pst = Endpoint::local(12000);
    Endpoint n1mm = Endpoint::local(12040);
    Endpoint n1mmAnnounce = Endpoint::local(13010);
    std::optional<double> parkAzimuth;  // degrees; nothing: the rotator's own park
    double parkElevation = 0;           // degrees
    double deadBand = 2;                // degrees
    int leastIntervalMs = 1000;
    std::optional<Endpoint> web;  // nothing: no web page
    QString webCertificate;       // the page's certificate and key files (PEM); empty: one made for it
    QString webKey;

    // Whether the web page is served over HTTPS: beyond the loopback always, on it with a certificate.
    bool webEncrypted() const;

    // Declares the options on the parser.
    static void declare(QCommandLineParser& parser);
    // The options given, the stored ones where none is given (registering: the defaults).
    // Nothing and an error text in *error for a bad value.
    static std::optional<LinkOptions> read(const QCommandLineParser& parser, bool registering, QString* error);
    static std::optional<LinkOptions> stored(QString* error);
    bool save() const;
    // One line a setting, then the network warning of each port that other machines reach.
    QStringList describe() const;
    // The ports switched on: the rotctld server (TCP), the PstRotator and N1MM ports (UDP), the
    // web page (TCP).
    std::vector<Listener> listeners() const;
};
