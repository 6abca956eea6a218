// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// The per-user registry values of Corvane and its rotor program (see Registry), one namespace per
// company key. Corvane reads what the rotor program registers, and records its own folder.
namespace RegistryKeys {

// The rotor program's registration, written by CorvaneRotor --register.
namespace Rotor {
inline const QString company = QStringLiteral("Velt");
inline const QString program = QStringLiteral("Program");     // path of the rotor program's executable
inline const QString model = QStringLiteral("RotorModel");    // Hamlib rotator model number
inline const QString device = QStringLiteral("RotorDevice");  // serial port, or host:port of a rotctld
inline const QString conf = QStringLiteral("RotorConf");      // Hamlib settings NAME=VALUE, one a line
// Ends of the travel, degrees; empty for the rotator's own.
inline const QString minAzimuth = QStringLiteral("RotorMinAzimuth");
inline const QString maxAzimuth = QStringLiteral("RotorMaxAzimuth");
// The clients' listeners, "[ADDRESS:]PORT" or "aus"; empty for the default.
inline const QString rotctld = QStringLiteral("ServeRotctld");
inline const QString web = QStringLiteral("ServeWeb");  // the web page's [address:]port; empty: none
inline const QString webCertificate = QStringLiteral("WebCert");  // the page's certificate file; empty: the one made
inline const QString webKey = QStringLiteral("WebKey");           // its private key file
inline const QString pst = QStringLiteral("ServePst");
inline const QString n1mm = QStringLiteral("ServeN1mm");
inline const QString n1mmAnnounce = QStringLiteral("N1mmAnnounce");
// Park position, degrees; empty for the rotator's own park.
inline const QString parkAzimuth = QStringLiteral("ParkAzimuth");
inline const QString parkElevation = QStringLiteral("ParkElevation");
inline const QString deadBand = QStringLiteral("DeadBand");            // degrees; empty for the default
inline const QString leastInterval = QStringLiteral("LeastInterval");  // ms between two commands; empty for the default
}

// Corvane's own entry.
namespace Corvane {
inline const QString company = QStringLiteral("Corvane");
inline const QString path = QStringLiteral("Pfad");  // the program folder
// The settings file in use: the rotor program reads the path rule there.
inline const QString settingsFile = QStringLiteral("Einstellungsdatei");
}

}
