// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionsFile.h"

#include "base/AppError.h"
#include "base/FileErrorText.h"
#include "base/FileReplacement.h"
#include "startup/ProgramLayout.h"
#include "text/TextLines.h"
#include "text/Windows1252.h"

#include <QCoreApplication>
#include <QFile>

const QString DirectionsFile::fileName = QStringLiteral("Data.txt");

QString DirectionsFile::besideRotorProgram(const QString& rotorProgramFolder)
{
    return ProgramLayout::of(rotorProgramFolder).writableFolder() + fileName;
}

std::optional<QStringList> DirectionsFile::read(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QCoreApplication::translate("DirectionsFile", "Die Datei %1 kann nicht gelesen werden: %2")
                           .arg(path, FileErrorText::of(file, FileErrorText::Access::reading)));
    return TextLines::split(Windows1252::decode(file.readAll()));
}

void DirectionsFile::write(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        const QByteArray encoded = Windows1252::encode(line);
        if (Windows1252::decode(encoded) != line)
            throw AppError(
                QCoreApplication::translate(
                    "DirectionsFile", "Der Eintrag \"%1\" enthält Zeichen, die in %2 nicht gespeichert werden können")
                    .arg(line.section(u'\t', 0, 0), fileName));
        bytes += encoded + "\r\n";
    }
    FileReplacement::write(path, bytes, QCoreApplication::translate("DirectionsFile", "Die Datei %1"));
}
