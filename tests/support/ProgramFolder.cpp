// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/ProgramFolder.h"

#include "geo/CountryRaster.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <stdexcept>

ProgramFolder::ProgramFolder()
{
    QDir(dir_.path()).mkpath(QStringLiteral("Karten"));
    QDir(dir_.path()).mkpath(QStringLiteral("Help"));
    // The registry and lock files of the run stay inside the folder too.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
    // So is the rotor program's log, which the program started by the link inherits.
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/state")));
}

ProgramFolder::~ProgramFolder()
{
    stop();
}

void ProgramFolder::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    QFile file(path() + relativePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray ProgramFolder::readFile(const QString& relativePath) const
{
    QFile file(path() + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramFolder::writeReferenceData() const
{
    QByteArray raster(int(CountryRaster::byteCount), '\0');
    raster[CountryRaster::primeMeridianRun * CountryRaster::cellsPerRun + CountryRaster::equatorCell] = 1;
    writeFile(QStringLiteral("Karten/Landeskennung.arr"), raster);
    writeFile(QStringLiteral("Karten/Laenderliste.txt"), "Land;Kenner\r\nNullinsel;N0\r\n");
    writeFile(QStringLiteral("Karten/Citys.txt"), "Berlin\t52,52\t13,40\r\nDortmund\t51.51\t7.47\r\nSydney\t-33.87\t151.21\r\n");
}

bool ProgramFolder::copyBuiltKarten() const
{
    const QString built = qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/Karten");
    bool any = false;
    for (QDirIterator it(built, QDir::Files); it.hasNext();) {
        const QString source = it.next();
        const QString destination = path() + QStringLiteral("Karten/") + it.fileName();
        QFile::remove(destination);
        any = QFile::copy(source, destination) || any;
    }
    return any;
}

void ProgramFolder::start()
{
    program_ = std::make_unique<Program>(path(), timing);
    use_ = std::make_unique<RunningProgram::Use>(*program_);
    program_->createWindows();
}

void ProgramFolder::stop()
{
    if (!program_)
        return;
    program_->destroyWindows();
    use_.reset();
    program_.reset();
}
