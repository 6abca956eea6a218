// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/LinkOptions.h"

#include "platform/NetworkReach.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "rotorbridge/LenientNumber.h"
#include "rotorbridge/WebCertificate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace {

namespace rotorKeys = RegistryKeys::Rotor;

// Option name, registry key and help text of each setting, in the order of the struct.
struct Setting {
    const char* option;
    const QString& key;
    const char* valueName;
    const char* help;
};

const Setting settings[] = {
    {"serve-rotctld", rotorKeys::rotctld, QT_TRANSLATE_NOOP("LinkOptions", "[adresse:]port"),
     QT_TRANSLATE_NOOP("LinkOptions",
                       "rotctld-kompatiblen TCP-Server anbieten (Adresse 127.0.0.1, wenn keine genannt ist).")},
    {"pst", rotorKeys::pst, QT_TRANSLATE_NOOP("LinkOptions", "[adresse:]port|aus"),
     QT_TRANSLATE_NOOP("LinkOptions", "PstRotator-UDP-Port (Vorgabe 127.0.0.1:12000; Antworten an Port + 1).")},
    {"n1mm", rotorKeys::n1mm, QT_TRANSLATE_NOOP("LinkOptions", "[adresse:]port|aus"),
     QT_TRANSLATE_NOOP("LinkOptions", "N1MM-Rotor-UDP-Port (Vorgabe 127.0.0.1:12040).")},
    {"n1mm-announce", rotorKeys::n1mmAnnounce, QT_TRANSLATE_NOOP("LinkOptions", "[adresse:]port|aus"),
     QT_TRANSLATE_NOOP("LinkOptions", "Ziel der N1MM-Positionsmeldungen (Vorgabe 127.0.0.1:13010).")},
    {"park-az", rotorKeys::parkAzimuth, QT_TRANSLATE_NOOP("LinkOptions", "grad"),
     QT_TRANSLATE_NOOP("LinkOptions", "Parkposition: Azimut (ohne: die Parkposition des Rotors).")},
    {"park-el", rotorKeys::parkElevation, QT_TRANSLATE_NOOP("LinkOptions", "grad"),
     QT_TRANSLATE_NOOP("LinkOptions", "Parkposition: Elevation (Vorgabe 0).")},
    {"dead-band", rotorKeys::deadBand, QT_TRANSLATE_NOOP("LinkOptions", "grad"),
     QT_TRANSLATE_NOOP("LinkOptions", "Totzone: näher liegende Ziele werden nicht gesendet (Vorgabe 2).")},
    {"least-interval", rotorKeys::leastInterval, QT_TRANSLATE_NOOP("LinkOptions", "ms"),
     QT_TRANSLATE_NOOP("LinkOptions", "Mindestabstand zweier Befehle an den Rotor (Vorgabe 1000).")},
    {"serve-web", rotorKeys::web, QT_TRANSLATE_NOOP("LinkOptions", "[adresse:]port"),
     QT_TRANSLATE_NOOP("LinkOptions",
                       "Die Webseite des Rotors anbieten (Adresse 127.0.0.1, wenn keine genannt ist; andere "
                       "Adressen nur mit Passwort und über HTTPS).")},
    {"web-cert", rotorKeys::webCertificate, QT_TRANSLATE_NOOP("LinkOptions", "datei"),
     QT_TRANSLATE_NOOP("LinkOptions",
                       "Zertifikat der Webseite (PEM; ohne: ein selbst signiertes, beim ersten Gebrauch gemacht).")},
    {"web-key", rotorKeys::webKey, QT_TRANSLATE_NOOP("LinkOptions", "datei"),
     QT_TRANSLATE_NOOP("LinkOptions", "Privater Schlüssel zum Zertifikat der Webseite (PEM, ohne Passwort).")},
};

using Texts = QStringList;  // one per setting, empty where not given

std::optional<LinkOptions> fromTexts(const Texts& texts, QString* error)
{
    LinkOptions options;
    const auto endpoint = [&](int index, Endpoint& into) {
        if (texts[index].isEmpty())
            return true;
        const auto parsed = Endpoint::parse(texts[index], error);
        if (parsed)
            into = *parsed;
        return parsed.has_value();
    };
    // A number within its limits into `into`; an empty text leaves the default.
    const auto number = [&](int index, double minimum, double maximum, double& into) {
        if (texts[index].isEmpty())
            return true;
        const auto value = LenientNumber::read(texts[index]);
        if (!value || *value < minimum || *value > maximum) {
            *error = QCoreApplication::translate("LinkOptions", "Ungültiger Wert für --%1: '%2' (erwartet %3 bis %4)")
                         .arg(QLatin1String(settings[index].option), texts[index])
                         .arg(minimum)
                         .arg(maximum);
            return false;
        }
        into = *value;
        return true;
    };
    // A port served only when one is given.
    const auto optionalEndpoint = [&](int index, std::optional<Endpoint>& into) {
        Endpoint given;
        if (texts[index].isEmpty())
            return true;
        if (!endpoint(index, given))
            return false;
        if (!given.off)
            into = given;
        return true;
    };
    if (!optionalEndpoint(0, options.rotctld) || !optionalEndpoint(8, options.web))
        return std::nullopt;
    if (!endpoint(1, options.pst) || !endpoint(2, options.n1mm) || !endpoint(3, options.n1mmAnnounce))
        return std::nullopt;
    double parkAzimuth = 0;
    double interval = options.leastIntervalMs;
    if (!number(4, -360, 720, parkAzimuth) || !number(5, -90, 180, options.parkElevation) ||
        !number(6, 0, 90, options.deadBand) || !number(7, 0, 60000, interval))
        return std::nullopt;
    if (!texts[4].isEmpty())
        options.parkAzimuth = parkAzimuth;
    // Files are named in full, so that the program finds them from any working folder.
    const auto file = [](const QString& path) { return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath(); };
    options.webCertificate = file(texts[9]);
    options.webKey = file(texts[10]);
    if (options.webCertificate.isEmpty() != options.webKey.isEmpty()) {
        *error = QCoreApplication::translate("LinkOptions", "--web-cert und --web-key nur zusammen");
        return std::nullopt;
    }
    options.leastIntervalMs = int(std::lround(interval));
    return options;
}

}  // namespace

void LinkOptions::declare(QCommandLineParser& parser)
{
    for (const Setting& setting : settings)
        parser.addOption(QCommandLineOption(QLatin1String(setting.option),
                                            QCoreApplication::translate("LinkOptions", setting.help),
                                            QCoreApplication::translate("LinkOptions", setting.valueName)));
}

std::optional<LinkOptions> LinkOptions::read(const QCommandLineParser& parser, bool registering, QString* error)
{
    Texts texts;
    for (const Setting& setting : settings) {
        const QString option = QLatin1String(setting.option);
        texts << (parser.isSet(option) ? parser.value(option)
                      : registering    ? QString()
                                       : Registry::readString(rotorKeys::company, setting.key));
    }
    return fromTexts(texts, error);
}

std::optional<LinkOptions> LinkOptions::stored(QString* error)
{
    Texts texts;
    for (const Setting& setting : settings)
        texts << Registry::readString(rotorKeys::company, setting.key);
    return fromTexts(texts, error);
}

bool LinkOptions::save() const
{
    const QStringList texts {rotctld ? rotctld->text() : QString(),
                             pst.text(),
                             n1mm.text(),
                             n1mmAnnounce.text(),
                             parkAzimuth ? QString::number(*parkAzimuth) : QString(),
                             QString::number(parkElevation),
                             QString::number(deadBand),
                             QString::number(leastIntervalMs),
                             web ? web->text() : QString(),
                             webCertificate,
                             webKey};
    bool ok = true;
    for (int i = 0; i < texts.size(); ++i)
        ok = Registry::writeString(rotorKeys::company, settings[i].key, texts[i]) && ok;
    return ok;
}

QStringList LinkOptions::describe() const
{
    QStringList lines {QCoreApplication::translate("LinkOptions", "rotctld-Server: %1")
                           .arg(rotctld ? rotctld->text() : QCoreApplication::translate("LinkOptions", "aus")),
                       QCoreApplication::translate("LinkOptions", "PstRotator-UDP: %1").arg(pst.text()),
                       QCoreApplication::translate("LinkOptions", "N1MM-UDP: %1, Meldungen an %2")
                           .arg(n1mm.text(), n1mmAnnounce.text()),
                       QCoreApplication::translate("LinkOptions", "Parkposition: %1")
                           .arg(parkAzimuth ? QCoreApplication::translate("LinkOptions", "Azimut %1°, Elevation %2°")
                                                  .arg(*parkAzimuth)
                                                  .arg(parkElevation)
                                            : QCoreApplication::translate("LinkOptions", "die des Rotors")),
                       QCoreApplication::translate("LinkOptions", "Totzone: %1°, Mindestabstand der Befehle: %2 ms")
                           .arg(deadBand)
                           .arg(leastIntervalMs)};
    // Said only once switched on, so that the lines of a registration without it stay as they were.
    if (web)
        lines << QCoreApplication::translate("LinkOptions", "Webseite: %1").arg(web->text());
    if (!webCertificate.isEmpty())
        lines << QCoreApplication::translate("LinkOptions", "Zertifikat der Webseite: %1, Schlüssel %2").arg(webCertificate, webKey);
    for (const Listener& listener : listeners()) {
        if (const QString warning = listener.networkWarning(); !warning.isEmpty())
            lines << warning;
    }
    return lines;
}

bool LinkOptions::webEncrypted() const
{
    return web && WebCertificate::needed(web->address, webCertificate);
}

std::vector<LinkOptions::Listener> LinkOptions::listeners() const
{
    std::vector<Listener> served;
    if (rotctld)
        served.push_back({Listener::Kind::Rotctld, QStringLiteral("rotctld-Server"), *rotctld});
    if (!pst.off)
        served.push_back({Listener::Kind::Pst, QStringLiteral("PstRotator-UDP"), pst});
    if (!n1mm.off)
        served.push_back({Listener::Kind::N1mm, QStringLiteral("N1MM-UDP"), n1mm});
    if (web)
        served.push_back({Listener::Kind::Web, QCoreApplication::translate("LinkOptions", "Webseite"), *web});
    return served;
}

QString LinkOptions::Listener::networkWarning() const
{
    // The web page asks for its password beyond the loopback.
    if (kind == Kind::Web || !NetworkReach::beyondLoopback(endpoint.address))
        return QString();
    return QCoreApplication::translate("LinkOptions",
                                       "Achtung: %1 auf %2 empfangsbereit, auch aus dem Netz, ohne "
                                       "Anmeldung (andere Rechner besser über einen SSH-Tunnel)")
        .arg(name, endpoint.text());
}
