// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be read or written, in the program's own German words: Qt's own texts are
// English ("Existing file ... is not writable") unless its translation happens to be installed.
class FileErrorText {
public:
    enum class Access { reading, writing };

    static QString of(const QFileDevice& file, Access access);
};
