// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// Where the program reads and writes, as ProgramLayout finds it at start; each with trailing "/".
struct ProgramFolders {
    QString programFolder;   // folder of the executable
    QString dataFolder;      // Karten/ and Help/ are read here
    QString writableFolder;  // Corvane.ini and Karten/BeamKarte.bmp are written here

    // The program's translations (corvane_en.qm) are read here.
    QString translationsFolder() const { return translationsIn(dataFolder); }
    static QString translationsIn(const QString& dataFolder) { return dataFolder + QStringLiteral("translations/"); }
    // The beam map's cache: Corvane writes it, the rotor's web page shows it.
    QString beamMapFile() const { return beamMapIn(writableFolder); }
    static QString beamMapIn(const QString& writableFolder) { return writableFolder + QStringLiteral("Karten/BeamKarte.bmp"); }
};
