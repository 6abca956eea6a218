// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QProcessEnvironment>
#include <QString>

// Where a program folder's files are read and written. A portable folder holds Karten/ and Help/
// beside the executable and takes the files the program writes (Corvane.ini, Karten/BeamKarte.bmp,
// Data.txt) there too. An installed copy has its executable in the installation's private program
// folder and the data under the installation's data folder, both read-only to the program; its
// writable files go to the user's own folder $XDG_DATA_HOME/Corvane, so that users of one
// installation never share them. A portable folder the user cannot write falls back to that
// user folder as well. All folders end in "/".
class ProgramLayout {
public:
    // The data folder of an installation, relative to its program folder (set by the build).
    static const QString installedDataFromProgram;

    static ProgramLayout of(const QString& executableFolder,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    // $XDG_DATA_HOME/Corvane/, or ~/.local/share/Corvane/ when XDG_DATA_HOME is unset or relative.
    static QString userFolder(const QProcessEnvironment& environment);

    bool installed() const { return installed_; }
    const QString& programFolder() const { return programFolder_; }
    const QString& dataFolder() const { return dataFolder_; }        // Karten/ and Help/ are read here
    const QString& writableFolder() const { return writableFolder_; }  // the program's own files go here

    // Creates the user folder with its Karten/ when the files go there; false when that fails.
    bool makeWritableFolder() const;

private:
    bool installed_ = false;
    QString programFolder_;
    QString dataFolder_;
    QString writableFolder_;
};
