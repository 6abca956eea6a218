// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// A process-wide named lock that the kernel releases when its holder ends, even by a crash:
// flock() on a file named after the lock in the user's private runtime folder ($XDG_RUNTIME_DIR,
// else a 0700 folder Qt makes for the user).
class NamedMutex {
public:
    explicit NamedMutex(const QString& name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // True when this process now holds the lock; false when another process holds it or the
    // lock file cannot be opened.
    bool tryLock();
    void unlock();
    bool isLocked() const { return fd_ >= 0; }

    static QString lockFolder();

private:
    QString path_;
    int fd_ = -1;
};
