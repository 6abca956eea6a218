// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/SettingsStore.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"

#include <memory>

class SettingsFile;

// What a window built alone works with: a session over a throw-away program folder, its
// Corvane.ini as the settings file read into a settings store, the own station from it, the
// reference data under Karten/. Write the files first, then open().
class WindowSession {
public:
    WindowSession();
    ~WindowSession();

    // Points the session's folders at the folder and reads the settings file and Karten/.
    void open();
    bool opened() const { return ini_ != nullptr; }
    SettingsFile& ini() const { return *ini_; }

    ProgramFolder folder;
    Session session;
    SettingsStore store;
    MapPlaces& places = store.places;

private:
    std::unique_ptr<SettingsFile> ini_;
};
