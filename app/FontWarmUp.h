// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <thread>

// Loads the font configuration (some fifty files parsed, the font caches mapped: several
// milliseconds) on a thread of its own while the program connects to the display and builds its
// windows, so that the first text drawn finds it ready. Made before the application object; the
// destructor waits for the thread.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread thread_;
};
