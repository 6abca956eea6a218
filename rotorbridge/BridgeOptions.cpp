#include "rotorbridge/BridgeOptions.h"

#include "platform/Registry.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const QString company = QStringLiteral("Velt");
const QString programKey = QStringLiteral("Program");
const QString modelKey = QStringLiteral("RotorModel");
const QString deviceKey = QStringLiteral("RotorDevice");
const QString minKey = QStringLiteral("RotorMinAzimuth");
const QString maxKey = QStringLiteral("RotorMaxAzimuth");

std::optional<int> integer(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The command-line text if given, else the saved one.
QString value(const QCommandLineParser& parser, const QString& option, const QString& key)
{
    return parser.isSet(option) ? parser.value(option) : Registry::readString(company, key);
}

} // namespace

std::optional<BridgeOptions> BridgeOptions::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Rotorsteuerung für Corvane: meldet Azimut und Elevation eines Hamlib-Rotors an Corvane und fährt ihn auf dessen Ziele."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Diese Hilfe."));
    parser.addOption(help);
    parser.addOption({QStringLiteral("model"), QStringLiteral("Hamlib-Rotormodell (1 = Dummy, 2 = rotctld über TCP)."), QStringLiteral("n")});
    parser.addOption({QStringLiteral("device"), QStringLiteral("Gerät: serielle Schnittstelle oder host:port für rotctld."), QStringLiteral("pfad")});
    parser.addOption({QStringLiteral("min-az"), QStringLiteral("Linkes Ende des Drehbereichs in Grad."), QStringLiteral("grad")});
    parser.addOption({QStringLiteral("max-az"), QStringLiteral("Rechtes Ende des Drehbereichs in Grad."), QStringLiteral("grad")});
    parser.addOption({QStringLiteral("register"), QStringLiteral("Diesen Pfad und die Optionen für Corvane eintragen und beenden.")});
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
        *error = QStringLiteral("Unbekanntes Argument: %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }

    BridgeOptions options;
    options.registerProgram = parser.isSet(QStringLiteral("register"));
    const QString model = value(parser, QStringLiteral("model"), modelKey);
    if (!model.isEmpty()) {
        const auto number = integer(model);
        if (!number || *number <= 0) {
            *error = QStringLiteral("Ungültiges Rotormodell: '%1'").arg(model);
            return std::nullopt;
        }
        options.model = *number;
    }
    options.device = value(parser, QStringLiteral("device"), deviceKey);
    const auto readEnd = [&](const QString& option, const QString& key, std::optional<int>& end) {
        const QString text = value(parser, option, key);
        if (text.isEmpty())
            return true;
        end = integer(text);
        if (!end)
            *error = QStringLiteral("Ungültiger Winkel für --%1: '%2'").arg(option, text);
        return end.has_value();
    };
    if (!readEnd(QStringLiteral("min-az"), minKey, options.minAzimuth)
        || !readEnd(QStringLiteral("max-az"), maxKey, options.maxAzimuth))
        return std::nullopt;
    if (options.minAzimuth && options.maxAzimuth && *options.minAzimuth >= *options.maxAzimuth) {
        *error = QStringLiteral("Das linke Ende (%1) muss kleiner sein als das rechte (%2)")
                     .arg(*options.minAzimuth).arg(*options.maxAzimuth);
        return std::nullopt;
    }
    return options;
}

bool BridgeOptions::save(const QString& programPath) const
{
    const auto text = [](const std::optional<int>& degrees) { return degrees ? QString::number(*degrees) : QString(); };
    return Registry::writeString(company, modelKey, QString::number(model))
           && Registry::writeString(company, deviceKey, device)
           && Registry::writeString(company, minKey, text(minAzimuth))
           && Registry::writeString(company, maxKey, text(maxAzimuth))
           && Registry::writeString(company, programKey, programPath);
}
