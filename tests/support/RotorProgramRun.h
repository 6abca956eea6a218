// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The built rotor program, run to its end with the test's environment (its registry is the test
// folder's): exit code and everything it printed.
inline QString rotorProgramPath()
{
    return qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/CorvaneRotor");
}

struct RotorProgramRun {
    int exitCode;
    QString output;  // standard output and error

    // input: what the program reads on its standard input, which then ends.
    static RotorProgramRun of(const QStringList& arguments,
                              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                              const QByteArray& input = {})
    {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(rotorProgramPath(), arguments);
        program.write(input);
        program.closeWriteChannel();
        const bool ended = program.waitForFinished(20000);
        return {ended ? program.exitCode() : -1, QString::fromUtf8(program.readAll())};
    }
};
