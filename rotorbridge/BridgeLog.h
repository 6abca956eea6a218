// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// What the rotor program does and what goes wrong, for the operator to read later: every line goes
// to standard error and, with date and time, to a small log file that is rotated when it grows
// (one older generation is kept as "<name>.1").
class BridgeLog {
public:
    static constexpr qint64 rotateBytes = 256 * 1024;  // size at which the file is rotated

    // path: the log file; empty for standard error only.
    explicit BridgeLog(QString path);

    // $XDG_STATE_HOME/Corvane/CorvaneRotor.log, with ~/.local/state for an unset XDG_STATE_HOME.
    static QString defaultPath();

    void write(const QString& text);
    const QString& path() const { return path_; }

private:
    QString path_;
};
