// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/MapPlaces.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"

#include <memory>

class SettingsFile;

// What a window built alone works with: a session over a throw-away program folder, its
// Corvane.ini as the settings file, the reference data under Karten/ and the tool windows'
// places. Write the files first, then open().
class WindowSession {
public:
    WindowSession();
    ~WindowSession();

    // Points the session's folders at the folder and reads the settings file and Karten/.
    void open();
    SettingsFile& ini() const { return *ini_; }

    ProgramFolder folder;
    Session session;
    MapPlaces places;

private:
    std::unique_ptr<SettingsFile> ini_;
};
