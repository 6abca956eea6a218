// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CallsignListBuilder.h"

#include "tools/mapgen/CountryCatalogue.h"
#include "tools/mapgen/DxccTable.h"

QString CallsignListBuilder::build(const DxccTable& dxcc, const CountryCatalogue& catalogue)
{
    QString text;
    for (const DxccTable::Entity& entity : dxcc.entities()) {
        if (entity.waeOnly)
            continue;
        const int number = entity.ownPrefix ? catalogue.numberOfPrefix(entity.prefix) : 0;
        const QString name = number > 0 ? catalogue.entries()[std::size_t(number - 1)].name : entity.name;
        text += QStringLiteral("%1;%2;%3;%4;%5;%6\r\n")
                    .arg(name, entity.prefix, QString::number(entity.latitude, 'f', 2),
                         QString::number(entity.longitude, 'f', 2), entity.aliases.join(' '))
                    .arg(entity.number);
    }
    return text;
}
