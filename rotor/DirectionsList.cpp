// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionsList.h"

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "rotor/DirectionLine.h"
#include "rotor/DirectionsFile.h"

#include <QCoreApplication>

#include <optional>

DirectionsList::Loaded DirectionsList::load(const QString& path)
{
    std::optional<QStringList> lines;
    // Stamped before reading: a change made while reading shows at the next comparison.
    loaded_ = FileStamp::of(path);
    try {
        FileReplacement::removeLeftovers(path);
        lines = DirectionsFile::read(path);
        loadError_.clear();
    } catch (const AppError& error) {
        loadError_ = error.message();
        return Loaded::failed;
    }
    if (!lines)
        return Loaded::missing;
    DirectionLine::sort(*lines);
    lines_ = std::move(*lines);
    return Loaded::read;
}

bool DirectionsList::changedSince(const QString& path) const
{
    return !loadError_.isEmpty() || FileStamp::of(path) != loaded_;
}

QString DirectionsList::identifier(int row) const
{
    return DirectionLine::identifier(lines_.at(row));
}

QStringList DirectionsList::identifiers() const
{
    QStringList identifiers;
    identifiers.reserve(lines_.size());
    for (const QString& line : lines_)
        identifiers << DirectionLine::identifier(line);
    return identifiers;
}

QStringList DirectionsList::withRecord(int row, const QString& line) const
{
    QStringList lines = lines_;
    if (contains(row))
        lines[row] = line;
    else
        lines.insert(DirectionLine::insertPosition(lines, line), line);
    return lines;
}

QStringList DirectionsList::withoutRecord(int row) const
{
    QStringList lines = lines_;
    if (contains(row))
        lines.removeAt(row);
    return lines;
}

void DirectionsList::store(const QString& path, const QStringList& lines) const
{
    if (!loadError_.isEmpty())
        throw AppError(loadError_ +
                       QCoreApplication::translate("DirectionsList", "; die Liste wird nicht gespeichert"));
    DirectionsFile::write(path, lines);
}
