// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/DirectionLine.h"

#include "base/AppError.h"
#include "settings/ParameterRules.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr QChar tab = u'\t';
constexpr int clickFieldLength = 50;  // characters a click reads after each TAB

// The text after the first TAB of text, at most length characters; empty without a TAB.
QString afterTab(const QString& text, int length)
{
    const int at = text.indexOf(tab);
    return at < 0 ? QString() : text.mid(at + 1, length);
}

bool lessIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

QString DirectionLine::compose(const QString& identifier, const QString& azimuth, const QString& elevation)
{
    return identifier + tab + azimuth + tab + elevation;
}

QString DirectionLine::identifier(const QString& line)
{
    const int at = line.indexOf(tab);
    return at < 0 ? QString() : line.left(at);
}

QString DirectionLine::clickAzimuth(const QString& line)
{
    const QString rest = afterTab(line, clickFieldLength);
    return rest.left(rest.indexOf(tab));  // all of rest when it has no TAB
}

QString DirectionLine::clickElevation(const QString& line)
{
    return afterTab(afterTab(line, clickFieldLength), clickFieldLength);
}

DirectionLine::Fields DirectionLine::editFields(const QString& line)
{
    const QStringList parts = line.split(tab);
    Fields fields;
    fields.identifier = parts.value(0);
    fields.azimuth = parts.value(1);
    fields.elevation = parts.size() > 2 ? QStringList(parts.mid(2)).join(tab) : QString();
    return fields;
}

double DirectionLine::localeNumber(const QString& text)
{
    const auto value = ParameterRules::readLocaleNumber(text);
    if (!value || !std::isfinite(*value))
        throw AppError(QCoreApplication::translate("DirectionLine", "'%1' ist kein gültiger Gleitkommawert").arg(text));
    return *value;
}

std::optional<double> DirectionLine::editorNumber(const QString& text)
{
    // Anchored at the very end: "$" would also match before a trailing line break.
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral(R"( *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)")));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);  // C format: point separator
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void DirectionLine::sort(QStringList& lines)
{
    std::stable_sort(lines.begin(), lines.end(), lessIgnoringCase);
}

int DirectionLine::insertPosition(const QStringList& sortedLines, const QString& line)
{
    return int(std::upper_bound(sortedLines.begin(), sortedLines.end(), line, lessIgnoringCase) - sortedLines.begin());
}
