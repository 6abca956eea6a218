// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

// The UTF-8 source tables under data/: one record per line, fields split at one separator
// character; empty lines and lines starting with "#" are comments.
class CsvTable {
public:
    // Throws AppError when the file cannot be read or a record has fewer than minimumFields.
    static std::vector<QStringList> read(const QString& path, QChar separator, int minimumFields);
};
