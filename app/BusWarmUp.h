// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <thread>

// Connects to the session bus (a socket, the authentication and the greeting, or the failed
// search for a bus when there is none: milliseconds either way) on a thread of its own while the
// main window is built, so that the window's first question to the bus finds the connection made.
// Made after the application object, which the connection needs; the destructor waits for the
// thread.
class BusWarmUp {
public:
    BusWarmUp();
    ~BusWarmUp();
    BusWarmUp(const BusWarmUp&) = delete;
    BusWarmUp& operator=(const BusWarmUp&) = delete;

private:
    std::thread thread_;
};
