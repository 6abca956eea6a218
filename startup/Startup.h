// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "session/ProgramFolders.h"

#include <QString>

#include <functional>

class Session;
class SettingsFile;

// What a run starts from, before any window: the program's folders (ProgramLayout), the settings
// file's place and the reference data of Karten/.
class Startup {
public:
    explicit Startup(const QString& executableFolder);

    const ProgramFolders& folders() const { return folders_; }
    // Corvane.ini in the writable folder.
    QString settingsPath() const;

    // What the program does in between: the main window takes its stored place once the tables
    // the maps need are read, and the links to other programs are made at the end.
    struct Steps {
        std::function<void()> placeMainWindow;
        std::function<void()> connectLinks;
    };

    // Makes the program folder the current one, records the program and its settings file in the
    // registry, reads the reference data into the session (the city list and the callsign table
    // only when first asked for) and runs the steps. Throws AppError for the first step that fails,
    // skipping the rest; an unreadable settings file and a writable folder that could not be made
    // are reported after all the rest is done.
    void run(Session& session, const SettingsFile& settings, const Steps& steps) const;

private:
    ProgramFolders folders_;
    bool writableFolderMade_ = false;
};
