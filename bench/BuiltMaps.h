// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

// A second name for a file, as an installed map long in the page cache meets the program; a copy
// (tens of megabytes of fresh dirty pages, written back while a start is timed) where that fails.
inline void linkOrCopy(const QString& source, const QString& destination)
{
    if (::link(QFile::encodeName(source).constData(), QFile::encodeName(destination).constData()) != 0)
        QFile::copy(source, destination);
}

// Puts the maps and tables the build made (not a beam bitmap file) into programFolder/Karten;
// ends the benchmark program when the world map is missing.
inline void copyBuiltMaps(const QString& programFolder)
{
    QDir(programFolder).mkpath(QStringLiteral("Karten"));
    const QString built = QStringLiteral(CORVANE_PROGRAM_DIR "/Karten");
    for (QDirIterator it(built, QDir::Files); it.hasNext();) {
        const QString source = it.next();
        if (it.fileName() != QStringLiteral("BeamKarte.bmp"))
            linkOrCopy(source, programFolder + QStringLiteral("Karten/") + it.fileName());
    }
    if (!QFile::exists(programFolder + QStringLiteral("Karten/Welt.bmp"))) {
        std::fprintf(stderr, "Welt.bmp missing in %s: build the target karten first\n", qPrintable(built));
        std::exit(1);
    }
}
