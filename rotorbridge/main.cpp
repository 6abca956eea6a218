// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// CorvaneRotor: the rotor-control program beside Corvane. Talks the rotor macros to Corvane over
// the session bus and drives a Hamlib rotator.
#include "platform/DdeNames.h"
#include "platform/ProgramLanguage.h"
#include "platform/TerminationSignals.h"
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/BridgeOptions.h"
#include "rotorbridge/CorvaneSettings.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/PortTrial.h"
#include "rotorbridge/RotorBridge.h"
#include "rotorbridge/RotorProgram.h"
#include "rotorbridge/TravelRange.h"
#include "rotorbridge/WebCertificate.h"
#include "rotorbridge/WebPassword.h"
#include "rotorbridge/WebPasswordPrompt.h"
#include "session/ProgramFolders.h"
#include "settings/ParameterSettings.h"
#include "startup/ProgramLayout.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTextStream>

#include <clocale>
#include <optional>

namespace {

// The rotor program speaks the language Corvane's settings choose (the settings file Corvane
// registered), or the one of the Corvane run that started it; German, its own, without them. The
// German program installs nothing, so that its output stays as it was.
void installLanguage(QCoreApplication& application)
{
    // A Corvane run told its language on its command line passes it on to the program it starts.
    std::optional<Language> language = ProgramLanguage::fromCode(qEnvironmentVariable("CORVANE_LANGUAGE"));
    if (ParameterSettings parameters; !language && CorvaneSettings::loadParameters(CorvaneSettings::path(), parameters))
        language = parameters.language();
    if (language == Language::english)
        ProgramLanguage::install(application, Language::english,
                                 ProgramFolders::translationsIn(
                                     ProgramLayout::of(QCoreApplication::applicationDirPath()).dataFolder()));
}

int fail(const QString& text, int code)
{
    QTextStream(stderr) << "CorvaneRotor: " << text << Qt::endl;
    return code;
}

void print(const QStringList& lines)
{
    QTextStream out(stdout);
    for (const QString& line : lines)
        out << line << Qt::endl;
}

// The fingerprint of the web page's certificate, for the user to compare with the browser's; the
// certificate is made here when the page needs one and none is kept yet.
QStringList webCertificateLines(const LinkOptions& links)
{
    if (!links.webEncrypted())
        return {};
    QString error;
    const auto pair = WebCertificate::obtain(links.webCertificate, links.webKey, links.web->address, &error);
    if (!pair)
        return {QCoreApplication::translate("CorvaneRotor", "Zertifikat der Webseite: %1").arg(error)};
    return {QCoreApplication::translate("CorvaneRotor", "Fingerabdruck des Zertifikats der Webseite (SHA-256): %1")
                .arg(pair->fingerprint())};
}

HamlibRotator::Setup setupOf(const BridgeOptions& options)
{
    return {options.model, options.device, options.conf};
}

// Shows what "--register" stored.
int showRegistered()
{
    QString error;
    const BridgeOptions options = BridgeOptions::stored(&error);
    const QString program = BridgeOptions::storedProgram();
    if (program.isEmpty())
        return fail(QCoreApplication::translate("CorvaneRotor", "Es ist kein Rotorprogramm eingetragen."), 1);
    print(QStringList {QCoreApplication::translate("CorvaneRotor", "Programm: %1").arg(program)} + options.describe() +
          options.links.describe() + webCertificateLines(options.links));
    if (!error.isEmpty())
        return fail(QCoreApplication::translate("CorvaneRotor", "Eingetragener Wert nicht lesbar: %1.").arg(error), 1);
    return 0;
}

// One line a model: "number;maker;model", for the rotor set-up window and for scripts.
int listModels()
{
    QStringList lines;
    for (const HamlibRotator::Model& model : HamlibRotator::models())
        lines << QStringLiteral("%1;%2;%3").arg(model.number).arg(model.maker, model.name);
    print(lines);
    return 0;
}

// Opens the rotator once and reads its position; only when that works and the options are
// stored (a check stores nothing). A client port that is taken is said, not fatal: the running
// rotor program goes on without it too.
int registerRotor(const BridgeOptions& options, bool store)
{
    if (HamlibRotator::modelName(options.model).isEmpty())
        return fail(QCoreApplication::translate("CorvaneRotor", "Hamlib kennt kein Rotormodell %1. Nichts eingetragen.")
                        .arg(options.model),
                    2);
    print(QStringList {QCoreApplication::translate("CorvaneRotor", "Einstellungen:")} + options.describe() +
          options.links.describe() + webCertificateLines(options.links) + PortTrial::run(options.links));
    HamlibRotator rotator(setupOf(options));
    if (const QString error = rotator.check(); !error.isEmpty())
        return fail(error + QCoreApplication::translate("CorvaneRotor", ". Nichts eingetragen."), 2);
    if (const QString error = rotator.open(); !error.isEmpty())
        return fail(error + QCoreApplication::translate("CorvaneRotor", ". Nichts eingetragen."), 1);
    const auto position = rotator.position();
    if (!position)
        return fail(
            QCoreApplication::translate(
                "CorvaneRotor", "Der Rotor ist geöffnet, aber seine Position ist nicht lesbar. Nichts eingetragen."),
            1);
    const auto accepted = rotator.azimuthRange();
    const TravelRange travel =
        TravelRange::effective(options.minAzimuth, options.maxAzimuth, accepted);
    if (!travel.isRange())
        return fail(
            QCoreApplication::translate(
                "CorvaneRotor",
                "Drehbereich %1° bis %2° ist leer: das linke Ende muss unter dem rechten liegen. Nichts eingetragen.")
                .arg(travel.minimum)
                .arg(travel.maximum),
            2);
    QStringList report {QCoreApplication::translate("CorvaneRotor", "Position: Azimut %1°, Elevation %2°")
                            .arg(position->azimuth)
                            .arg(position->elevation)};
    if (travel.cut)
        report << QCoreApplication::translate(
                      "CorvaneRotor", "Der Rotor nimmt nur %1° bis %2° an: der Drehbereich wird darauf gekürzt.")
                      .arg(accepted->minimum)
                      .arg(accepted->maximum);
    report << QCoreApplication::translate("CorvaneRotor", "Drehbereich für Corvane: %1° bis %2°")
                  .arg(travel.minimum)
                  .arg(travel.maximum);
    print(report);
    if (!store) {
        print({QCoreApplication::translate("CorvaneRotor", "Prüfung gelungen. Nichts eingetragen.")});
        return 0;
    }
    const QString program = QCoreApplication::applicationFilePath();
    if (!options.save(program))
        return fail(QCoreApplication::translate("CorvaneRotor", "Eintrag in der Registry nicht möglich."), 1);
    print({QCoreApplication::translate("CorvaneRotor", "Eingetragen: %1").arg(program)});
    return 0;
}

// Stores the key of the web page's password read from standard input.
int setWebPassword()
{
    QString error;
    const auto password = WebPasswordPrompt::read(stdin, stdout, &error);
    const QString nothingStored = QCoreApplication::translate("CorvaneRotor", ". Nichts gespeichert.");
    if (!password)
        return fail(error + nothingStored, 2);
    const QString path = WebPassword::defaultPath();
    if (const QString refused = WebPassword::save(path, *password); !refused.isEmpty())
        return fail(refused + nothingStored, 2);
    print({QCoreApplication::translate("CorvaneRotor", "Passwort der Webseite gespeichert (nur sein Schlüssel): %1")
               .arg(path)});
    return 0;
}

int runBridge(QCoreApplication& application, const BridgeOptions& options)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QCoreApplication::translate("CorvaneRotor", "Kein D-Bus-Sitzungsbus erreichbar."), 1);
    // Corvane may start this program again while a first start is still coming up; the rotator
    // must not be opened twice.
    const QString service = DdeNames::programService(QCoreApplication::applicationFilePath());
    if (bus.interface()->isServiceRegistered(DdeNames::busName(service)))
        return fail(QCoreApplication::translate("CorvaneRotor", "Läuft bereits."), 0);

    HamlibRotator rotator(setupOf(options));
    // A setup that Hamlib refuses never gets better; a rotator that does not answer may.
    if (const QString error = rotator.check(); !error.isEmpty())
        return fail(error + u'.', 2);
    BridgeLog log(BridgeLog::defaultPath());
    RotorProgram program(bus, service, rotator, options, log);
    RotorBridge& bridge = program.bridge();
    switch (program.start()) {
    case RotorBridge::StartResult::EmptyTravel:
        return fail(
            QCoreApplication::translate("CorvaneRotor",
                                        "Drehbereich %1 bis %2 ist leer: das linke Ende muss unter dem rechten liegen.")
                .arg(options.minAzimuth ? QString::number(*options.minAzimuth) + u'°' : QStringLiteral("Rotor"),
                     options.maxAzimuth ? QString::number(*options.maxAzimuth) + u'°' : QStringLiteral("Rotor")),
            2);
    case RotorBridge::StartResult::AlreadyServed:
        return fail(QCoreApplication::translate("CorvaneRotor", "Läuft bereits."), 0);
    case RotorBridge::StartResult::Started:
        break;
    }
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application, &QCoreApplication::quit);
    QObject::connect(&bridge, &RotorBridge::busLost, &application, [&log] {
        log.write(QCoreApplication::translate("CorvaneRotor", "Verbindung zum Sitzungsbus verloren."));
        QCoreApplication::exit(1);
    });
    log.write(
        QCoreApplication::translate("CorvaneRotor", "Rotormodell %1, Drehbereich %2° bis %3°, wartet auf Corvane.")
            .arg(options.model)
            .arg(bridge.travel().minimum)
            .arg(bridge.travel().maximum));
    const int exitCode = QCoreApplication::exec();
    bridge.stop();
    log.write(QCoreApplication::translate("CorvaneRotor", "Beendet."));
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    // QCoreApplication takes the C library's locale from the environment, and Hamlib writes and
    // reads the numbers of every rotator protocol with it: a German locale would send "AZ123,4" and
    // read "180.02" as 180. Every number on a wire has a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    installLanguage(application);
    QString error;
    const auto options = BridgeOptions::parse(QCoreApplication::arguments(), &error);
    if (!options)
        return error.isEmpty() ? 0 : fail(error + u'.', 2);
    switch (options->action) {
    case BridgeOptions::Action::Show:
        return showRegistered();
    case BridgeOptions::Action::Register:
        return registerRotor(*options, true);
    case BridgeOptions::Action::Check:
        return registerRotor(*options, false);
    case BridgeOptions::Action::ListModels:
        return listModels();
    case BridgeOptions::Action::SetWebPassword:
        return setWebPassword();
    case BridgeOptions::Action::Run:
        break;
    }
    return runBridge(application, *options);
}
