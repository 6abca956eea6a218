// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

// The build installed as a package installs it: `cmake --install` with the prefix /usr into a
// throw-away DESTDIR below `scratch`.
class InstalledTree {
public:
    explicit InstalledTree(const QString& scratch);

    // Runs the installation; an empty text on success, else what went wrong.
    QString install() const;

    QString destination() const { return destination_; }  // the DESTDIR
    QString prefix() const { return destination_ + QStringLiteral("/usr"); }
    QString programFolder() const { return prefix() + QStringLiteral("/lib/corvane"); }
    QString dataFolder() const { return prefix() + QStringLiteral("/share/corvane"); }

    // Every file of the tree with its size and modification time, to see whether a run wrote there.
    QStringList files() const;

private:
    QString destination_;
};
