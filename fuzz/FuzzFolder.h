// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A folder of the fuzzing process for readers that take a path: each input is written to a
// file there before the reader runs. Lives as long as the process.
class FuzzFolder {
public:
    static FuzzFolder& instance();

    // Writes bytes to the named file of the folder and gives its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path() + u'/'; }

private:
    QTemporaryDir dir_;
};
