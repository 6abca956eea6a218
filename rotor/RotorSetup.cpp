// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/RotorSetup.h"

#include "platform/Registry.h"
#include "platform/RegistryKeys.h"

#include <algorithm>

namespace {

namespace rotorKeys = RegistryKeys::Rotor;

const QString serialSpeedSetting = QStringLiteral("serial_speed=");

// The options that are a plain text each: option name, registry key and the field.
struct TextOption {
    const char* option;
    const QString& key;
    QString RotorSetup::*field;
};

const TextOption textOptions[] = {
    {"device", rotorKeys::device, &RotorSetup::device},
    {"min-az", rotorKeys::minAzimuth, &RotorSetup::minAzimuth},
    {"max-az", rotorKeys::maxAzimuth, &RotorSetup::maxAzimuth},
    {"serve-rotctld", rotorKeys::rotctld, &RotorSetup::rotctld},
    {"serve-web", rotorKeys::web, &RotorSetup::web},
    {"web-cert", rotorKeys::webCertificate, &RotorSetup::webCertificate},
    {"web-key", rotorKeys::webKey, &RotorSetup::webKey},
    {"pst", rotorKeys::pst, &RotorSetup::pst},
    {"n1mm", rotorKeys::n1mm, &RotorSetup::n1mm},
    {"n1mm-announce", rotorKeys::n1mmAnnounce, &RotorSetup::n1mmAnnounce},
    {"park-az", rotorKeys::parkAzimuth, &RotorSetup::parkAzimuth},
    {"park-el", rotorKeys::parkElevation, &RotorSetup::parkElevation},
    {"dead-band", rotorKeys::deadBand, &RotorSetup::deadBand},
    {"least-interval", rotorKeys::leastInterval, &RotorSetup::leastInterval},
};

} // namespace

QString RotorSetup::Model::text() const
{
    return QStringLiteral("%1 – %2 %3").arg(number).arg(maker, name);
}

RotorSetup RotorSetup::registered()
{
    RotorSetup setup;
    const QString model = Registry::readString(rotorKeys::company, rotorKeys::model);
    if (!model.isEmpty())
        setup.model = model;
    for (const TextOption& option : textOptions)
        setup.*option.field = Registry::readString(rotorKeys::company, option.key);
    const QString conf = Registry::readString(rotorKeys::company, rotorKeys::conf);
    for (const QString& setting : conf.split(u'\n', Qt::SkipEmptyParts)) {
        if (setting.startsWith(serialSpeedSetting))
            setup.serialSpeed = setting.mid(serialSpeedSetting.size());
        else
            setup.otherConf << setting;
    }
    return setup;
}

QStringList RotorSetup::arguments() const
{
    QStringList arguments{QStringLiteral("--model"), model.trimmed()};
    for (const TextOption& option : textOptions) {
        const QString value = (this->*option.field).trimmed();
        if (!value.isEmpty())
            arguments << QStringLiteral("--") + QLatin1String(option.option) << value;
    }
    QStringList conf = otherConf;
    if (!serialSpeed.trimmed().isEmpty())
        conf.prepend(serialSpeedSetting + serialSpeed.trimmed());
    for (const QString& setting : conf)
        arguments << QStringLiteral("--set-conf") << setting;
    return arguments;
}

std::vector<RotorSetup::Model> RotorSetup::parseModels(const QString& listing)
{
    std::vector<Model> models;
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.trimmed().split(u';');
        bool ok = false;
        const int number = fields.value(0).toInt(&ok);
        if (fields.size() == 3 && ok)
            models.push_back({number, fields[1], fields[2]});
    }
    return models;
}

std::vector<RotorSetup::Model> RotorSetup::matching(const std::vector<Model>& models, const QString& search)
{
    const QStringList words = search.split(u' ', Qt::SkipEmptyParts);
    std::vector<Model> found;
    for (const Model& model : models) {
        const QString text = model.text();
        if (std::all_of(words.begin(), words.end(), [&](const QString& word) { return text.contains(word, Qt::CaseInsensitive); }))
            found.push_back(model);
    }
    return found;
}
