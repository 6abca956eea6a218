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
}

// Corvane's own entry.
namespace Corvane {
inline const QString company = QStringLiteral("Corvane");
inline const QString path = QStringLiteral("Pfad");  // the program folder
}

}
