// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BridgeOptions.h"

#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "rotorbridge/HamlibRotator.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

namespace rotorKeys = RegistryKeys::Rotor;

std::optional<int> integer(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The texts of the options' values, from the command line or as stored.
struct Texts {
    QString model, device, minimum, maximum;
    QStringList conf;
};

std::optional<BridgeOptions> fromTexts(const Texts& texts, QString* error)
{
    BridgeOptions options;
    if (!texts.model.isEmpty()) {
        const auto number = integer(texts.model);
        if (!number || *number <= 0) {
            *error = QCoreApplication::translate("BridgeOptions", "Ungültiges Rotormodell: '%1'").arg(texts.model);
            return std::nullopt;
        }
        options.model = *number;
    }
    options.device = texts.device;
    for (const QString& setting : texts.conf) {
        if (setting.indexOf(u'=') <= 0 || setting.contains(u'\n')) {
            *error = QCoreApplication::translate("BridgeOptions", "Ungültige Einstellung '%1': erwartet wird NAME=WERT")
                         .arg(setting);
            return std::nullopt;
        }
    }
    options.conf = texts.conf;
    const auto readEnd = [&](const QString& text, const char* option, std::optional<int>& end) {
        if (text.isEmpty())
            return true;
        end = integer(text);
        if (!end)
            *error = QCoreApplication::translate("BridgeOptions", "Ungültiger Winkel für --%1: '%2'")
                         .arg(QLatin1String(option), text);
        return end.has_value();
    };
    if (!readEnd(texts.minimum, "min-az", options.minAzimuth) || !readEnd(texts.maximum, "max-az", options.maxAzimuth))
        return std::nullopt;
    if (options.minAzimuth && options.maxAzimuth && *options.minAzimuth >= *options.maxAzimuth) {
        *error =
            QCoreApplication::translate("BridgeOptions", "Das linke Ende (%1) muss kleiner sein als das rechte (%2)")
                .arg(*options.minAzimuth)
                .arg(*options.maxAzimuth);
        return std::nullopt;
    }
    return options;
}

Texts storedTexts()
{
    Texts texts;
    texts.model = Registry::readString(rotorKeys::company, rotorKeys::model);
    texts.device = Registry::readString(rotorKeys::company, rotorKeys::device);
    texts.minimum = Registry::readString(rotorKeys::company, rotorKeys::minAzimuth);
    texts.maximum = Registry::readString(rotorKeys::company, rotorKeys::maxAzimuth);
    const QString conf = Registry::readString(rotorKeys::company, rotorKeys::conf);
    if (!conf.isEmpty())
        texts.conf = conf.split(u'\n');
    return texts;
}

} // namespace

std::optional<BridgeOptions> BridgeOptions::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("BridgeOptions",
                                    "Rotorsteuerung für Corvane: meldet Azimut und Elevation eines Hamlib-Rotors an "
                                    "Corvane und fährt ihn auf dessen Ziele."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("BridgeOptions", "Diese Hilfe."));
    const QCommandLineOption model(
        QStringLiteral("model"),
        QCoreApplication::translate("BridgeOptions",
                                    "Hamlib-Rotormodell (1 = Dummy, 2 = rotctld über TCP; rotctl -l listet alle)."),
        QStringLiteral("n"));
    const QCommandLineOption device(
        QStringLiteral("device"),
        QCoreApplication::translate("BridgeOptions", "Gerät: serielle Schnittstelle oder host:port für rotctld."),
        QCoreApplication::translate("BridgeOptions", "pfad"));
    const QCommandLineOption conf(
        QStringLiteral("set-conf"),
        QCoreApplication::translate(
            "BridgeOptions", "Hamlib-Einstellung wie bei rotctl -C, z. B. serial_speed=9600 (mehrfach möglich)."),
        QCoreApplication::translate("BridgeOptions", "name=wert"));
    const QCommandLineOption minimum(
        QStringLiteral("min-az"), QCoreApplication::translate("BridgeOptions", "Linkes Ende des Drehbereichs in Grad."),
        QCoreApplication::translate("BridgeOptions", "grad"));
    const QCommandLineOption maximum(
        QStringLiteral("max-az"),
        QCoreApplication::translate("BridgeOptions", "Rechtes Ende des Drehbereichs in Grad."),
        QCoreApplication::translate("BridgeOptions", "grad"));
    const QCommandLineOption registerOption(
        QStringLiteral("register"),
        QCoreApplication::translate("BridgeOptions",
                                    "Genau diese Optionen und diesen Pfad für Corvane eintragen (die übrigen auf ihre "
                                    "Vorgabe), den Rotor einmal öffnen und beenden."));
    const QCommandLineOption show(
        QStringLiteral("show"),
        QCoreApplication::translate("BridgeOptions", "Die eingetragenen Optionen zeigen und beenden."));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QCoreApplication::translate(
            "BridgeOptions",
            "Den Rotor mit genau diesen Optionen einmal öffnen und seine Position lesen, nichts eintragen."));
    const QCommandLineOption listModels(
        QStringLiteral("list-models"),
        QCoreApplication::translate(
            "BridgeOptions", "Die Rotormodelle zeigen, die Hamlib kennt (Nummer;Hersteller;Modell), und beenden."));
    const QCommandLineOption webPassword(
        QStringLiteral("set-web-password"),
        QCoreApplication::translate("BridgeOptions",
                                    "Das Passwort der Webseite von der Standardeingabe lesen (am Terminal zweimal "
                                    "gefragt), nur seinen gesalzenen Schlüssel speichern und beenden."));
    parser.addOptions({help, model, device, conf, minimum, maximum, registerOption, show, check, listModels, webPassword});
    LinkOptions::declare(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        error->clear();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QCoreApplication::translate("BridgeOptions", "Unbekanntes Argument: %1")
                     .arg(parser.positionalArguments().first());
        return std::nullopt;
    }
    const int actions = int(parser.isSet(registerOption)) + int(parser.isSet(show)) + int(parser.isSet(check))
                        + int(parser.isSet(listModels)) + int(parser.isSet(webPassword));
    if (actions > 1) {
        *error = QCoreApplication::translate("BridgeOptions",
                                             "--register, --show, --check, --list-models und --set-web-password schließen einander aus");
        return std::nullopt;
    }

    // A registration, and its check beforehand, take only what they are given; a run fills the
    // gaps from what is stored.
    const bool registering = parser.isSet(registerOption) || parser.isSet(check);
    const Texts saved = registering ? Texts{} : storedTexts();
    const auto text = [&](const QCommandLineOption& option, const QString& fallback) {
        return parser.isSet(option) ? parser.value(option) : fallback;
    };
    Texts texts{text(model, saved.model), text(device, saved.device), text(minimum, saved.minimum),
                text(maximum, saved.maximum), parser.isSet(conf) ? parser.values(conf) : saved.conf};
    auto options = fromTexts(texts, error);
    const auto links = options ? LinkOptions::read(parser, registering, error) : std::nullopt;
    if (!links)
        return std::nullopt;
    options->links = *links;
    options->action = parser.isSet(registerOption) ? Action::Register
                      : parser.isSet(check)        ? Action::Check
                      : parser.isSet(show)         ? Action::Show
                      : parser.isSet(listModels)   ? Action::ListModels
                      : parser.isSet(webPassword)  ? Action::SetWebPassword
                                                   : Action::Run;
    return options;
}

BridgeOptions BridgeOptions::stored(QString* error)
{
    auto options = fromTexts(storedTexts(), error);
    const auto links = options ? LinkOptions::stored(error) : std::nullopt;
    if (!links)
        return BridgeOptions{};
    options->links = *links;
    return *options;
}

QString BridgeOptions::storedProgram()
{
    return Registry::readString(rotorKeys::company, rotorKeys::program);
}

bool BridgeOptions::save(const QString& programPath) const
{
    const auto text = [](const std::optional<int>& degrees) { return degrees ? QString::number(*degrees) : QString(); };
    return Registry::writeString(rotorKeys::company, rotorKeys::model, QString::number(model))
           && Registry::writeString(rotorKeys::company, rotorKeys::device, device)
           && Registry::writeString(rotorKeys::company, rotorKeys::conf, conf.join(u'\n'))
           && Registry::writeString(rotorKeys::company, rotorKeys::minAzimuth, text(minAzimuth))
           && Registry::writeString(rotorKeys::company, rotorKeys::maxAzimuth, text(maxAzimuth))
           && links.save() && Registry::writeString(rotorKeys::company, rotorKeys::program, programPath);
}

QStringList BridgeOptions::describe() const
{
    const auto end = [](const std::optional<int>& degrees) {
        return degrees ? QStringLiteral("%1°").arg(*degrees)
                       : QCoreApplication::translate("BridgeOptions", "Ende des Rotors");
    };
    const QString travel = minAzimuth || maxAzimuth
        ? QCoreApplication::translate("BridgeOptions", "%1 bis %2").arg(end(minAzimuth), end(maxAzimuth))
        : QCoreApplication::translate("BridgeOptions", "wie der Rotor ihn angibt");
    const QString name = HamlibRotator::modelName(model);
    return {QCoreApplication::translate("BridgeOptions", "Rotormodell: %1%2")
                .arg(model)
                .arg(name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name)),
            QCoreApplication::translate("BridgeOptions", "Gerät: %1")
                .arg(device.isEmpty() ? QCoreApplication::translate("BridgeOptions", "Vorgabe des Modells") : device),
            QCoreApplication::translate("BridgeOptions", "Hamlib-Einstellungen: %1")
                .arg(conf.isEmpty() ? QCoreApplication::translate("BridgeOptions", "keine")
                                    : conf.join(QStringLiteral(", "))),
            QCoreApplication::translate("BridgeOptions", "Drehbereich: %1").arg(travel)};
}
