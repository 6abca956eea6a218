// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "app/Program.h"
#include "support/RunningProgram.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throw-away program folder with small reference files of its own, and the windows of one run
// created over it. Every test gets its own folder, so tests can run in parallel.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();

    QString path() const { return dir_.path() + u'/'; }
    QString iniPath() const { return path() + QStringLiteral("Corvane.ini"); }
    QString kartenPath(const QString& name) const { return path() + QStringLiteral("Karten/") + name; }

    void writeFile(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relativePath) const;
    // Small valid reference files: a raster with one country at 0,0 (number 1), a country list
    // and a city list of three cities.
    void writeReferenceData() const;
    // Copies the generated maps and reference data of the build, when present.
    bool copyBuiltKarten() const;

    void start();  // creates the eleven windows
    void stop();   // destroys them in reverse order, as at shut-down
    Program* program() { return program_.get(); }

    Program::Timing timing;  // for the next start

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<RunningProgram::Use> use_;  // while program_ runs
};
