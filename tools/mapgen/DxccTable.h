#pragma once

#include <QString>

#include <vector>

// The amateur-radio entities (DXCC list and the WAE-only extras) from cty.csv.
class DxccTable {
public:
    struct Entity {
        QString prefix;  // as shown: without the "*" of WAE-only entries, up to any "/"
        QString name;    // English name of the country file
        double latitude;   // degrees north
        double longitude;  // degrees east (the file counts west positive)
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
