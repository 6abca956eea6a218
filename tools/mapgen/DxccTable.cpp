// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/DxccTable.h"

#include "tools/mapgen/CsvTable.h"

#include <QRegularExpression>

namespace {

enum Column { prefixColumn = 0, nameColumn = 1, numberColumn = 2, latitudeColumn = 6, longitudeColumn = 7, aliasColumn = 9, columnCount = 9 };

// Made-up prefixes such as "VP8/h" and "FT/x" tell apart entities that share a real prefix.
QString shownPrefix(QString prefix)
{
    if (prefix.startsWith('*'))
        prefix.remove(0, 1);
    return prefix.section('/', 0, 0);
}

// The alias column: blank-separated prefixes and "=" calls, the list ending in ";". Zone marks
// in round and square brackets only matter for awards.
QStringList aliasesOf(const QStringList& row)
{
    static const QRegularExpression zoneMark(QStringLiteral("\\([0-9]*\\)|\\[[0-9]*\\]"));
    QStringList aliases;
    if (row.size() <= aliasColumn)
        return aliases;
    QString column = row.mid(aliasColumn).join(',');
    column.remove(';').remove(zoneMark);
    for (const QString& alias : column.split(' ', Qt::SkipEmptyParts))
        aliases.append(alias);
    return aliases;
}

} // namespace

DxccTable::DxccTable(const QString& ctyCsvPath)
{
    for (const QStringList& row : CsvTable::read(ctyCsvPath, ',', columnCount)) {
        entities_.push_back({shownPrefix(row[prefixColumn]), row[nameColumn], row[latitudeColumn].toDouble(),
                             -row[longitudeColumn].toDouble(), aliasesOf(row), row[prefixColumn].startsWith('*'),
                             !row[prefixColumn].contains('/'), row[numberColumn].toInt()});
    }
}

QString DxccTable::prefixForName(const QString& name) const
{
    const QString wanted = normalisedName(name);
    for (const Entity& entity : entities_)
        if (normalisedName(entity.name) == wanted)
            return entity.prefix;
    return QString();
}

QString DxccTable::normalisedName(const QString& name)
{
    static const QRegularExpression notAlphanumeric(QStringLiteral("[^a-z0-9]"));
    return name.toLower().replace('&', QStringLiteral("and")).remove(notAlphanumeric);
}
