// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CallsignTable.h"

#include "text/Windows1252.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

enum Field {
    nameField,
    prefixField,
    latitudeField,
    longitudeField,
    aliasField,
    fieldCount,
    dxccField = fieldCount,
    extentField
};

bool isOperatingMark(const QString& part)
{
    static const QRegularExpression mark(QStringLiteral("^([0-9]|P|M|AM|QRP)$"));
    return mark.match(part).hasMatch();
}

} // namespace

CallsignTable CallsignTable::fromText(const QString& text)
{
    CallsignTable table;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(';');
        if (fields.size() < fieldCount)
            continue;
        bool latitudeOk = false;
        bool longitudeOk = false;
        Entity entity{fields[nameField], fields[prefixField], fields[latitudeField].toDouble(&latitudeOk),
                      fields[longitudeField].toDouble(&longitudeOk),
                      fields.size() > dxccField ? fields[dxccField].toInt() : 0};
        if (!latitudeOk || !longitudeOk)
            continue;
        bool extentOk = false;
        const double extent = fields.size() > extentField ? fields[extentField].toDouble(&extentOk) : 0;
        if (extentOk && extent >= 0)
            entity.extentKm = extent;
        const int index = int(table.entities_.size());
        table.entities_.push_back(entity);
        for (const QString& alias : fields[aliasField].split(' ', Qt::SkipEmptyParts)) {
            if (alias.startsWith('=')) {
                table.exactCalls_.insert(alias.mid(1), index);
            } else {
                table.prefixes_.insert(alias, index);
                table.longestPrefix_ = std::max(table.longestPrefix_, int(alias.size()));
            }
        }
    }
    return table;
}

CallsignTable CallsignTable::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromText(Windows1252::decode(file.readAll()));
}

std::optional<CallsignTable::Entity> CallsignTable::lookup(const QString& text) const
{
    static const QRegularExpression callForm(QStringLiteral("^[A-Z0-9]+(/[A-Z0-9]+)*$"));
    const QString call = text.trimmed().toUpper();
    if (call.size() > maxCallLength || !callForm.match(call).hasMatch())
        return std::nullopt;
    if (const auto exact = exactCalls_.constFind(call); exact != exactCalls_.constEnd())
        return entities_[std::size_t(*exact)];

    QStringList parts = call.split('/');
    // A maritime mobile station is at sea, in no entity: its home call would misplace it.
    if (parts.size() > 1 && parts.indexOf(QStringLiteral("MM"), 1) >= 0)
        return std::nullopt;
    if (parts.size() > 1)
        parts.erase(std::remove_if(parts.begin() + 1, parts.end(), isOperatingMark), parts.end());
    if (parts.size() == 1)
        return byPrefix(parts.front());
    // Of a prefix and a home call, the prefix is the shorter part; the first of equal ones.
    const auto shortest = std::min_element(parts.begin(), parts.end(),
                                           [](const QString& a, const QString& b) { return a.size() < b.size(); });
    return byPrefix(*shortest);
}

std::optional<CallsignTable::Entity> CallsignTable::byPrefix(const QString& part) const
{
    for (int length = std::min(int(part.size()), longestPrefix_); length > 0; --length) {
        if (const auto found = prefixes_.constFind(part.left(length)); found != prefixes_.constEnd())
            return entities_[std::size_t(*found)];
    }
    return std::nullopt;
}
