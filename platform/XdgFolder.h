// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QProcessEnvironment>
#include <QString>

// The per-user base folders of a Linux desktop ($XDG_DATA_HOME, $XDG_STATE_HOME): the variable's
// value when it is an absolute path, else the usual folder below the home folder. A relative value
// is not a valid base folder and is left aside.
class XdgFolder {
public:
    // variable: "XDG_DATA_HOME"; belowHome: its default below the home folder, ".local/share".
    // No trailing "/".
    static QString base(const char* variable, const char* belowHome,
                        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
};
