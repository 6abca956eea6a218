// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The amateur-radio entities (DXCC list and the WAE-only extras) from cty.csv.
class DxccTable {
public:
    struct Entity {
        QString prefix;  // as shown: without the "*" of WAE-only entries, up to any "/"
        QString name;    // English name of the country file
        double latitude;   // degrees north
        double longitude;  // degrees east (the file counts west positive)
        // Further prefixes and exact calls ("=" in front), without their zone marks ("(14)",
        // "[28]"); the main prefix is among them.
        QStringList aliases;
        bool waeOnly;  // an entity of the WAE list only ("*"), not of the DXCC list
        // False for the made-up prefixes ("3D2/c") of entities that share a real one.
        bool ownPrefix;
        int number;  // the DXCC entity number, as logs record it in their DXCC field
    };

    // Throws AppError when the file cannot be read.
    explicit DxccTable(const QString& ctyCsvPath);

    const std::vector<Entity>& entities() const { return entities_; }
    // Shown prefix of the entity whose name matches, ignoring case, punctuation and "&" versus
    // "and"; empty when none does.
    QString prefixForName(const QString& name) const;

    static QString normalisedName(const QString& name);

private:
    std::vector<Entity> entities_;
};
