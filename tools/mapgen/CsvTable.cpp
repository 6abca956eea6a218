// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CsvTable.h"

#include "base/AppError.h"

#include <QFile>

std::vector<QStringList> CsvTable::read(const QString& path, QChar separator, int minimumFields)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Datei %1 kann nicht gelesen werden").arg(path));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');

    std::vector<QStringList> records;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split(separator);
        if (fields.size() < minimumFields)
            throw AppError(QStringLiteral("%1, Zeile %2: %3 Felder erwartet").arg(path).arg(i + 1).arg(minimumFields));
        records.push_back(fields);
    }
    return records;
}
