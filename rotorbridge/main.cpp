// CorvaneRotor: the rotor-control program beside Corvane. Talks the rotor macros to Corvane over
// the session bus and drives a Hamlib rotator.
#include "platform/DdeNames.h"
#include "platform/TerminationSignals.h"
#include "rotorbridge/BridgeOptions.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/RotorBridge.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTextStream>

#include <cmath>

namespace {

int fail(const QString& text, int code)
{
    QTextStream(stderr) << "CorvaneRotor: " << text << Qt::endl;
    return code;
}

// The travel ends to report: the options', else the rotator's own when they make a range, else
// a plain turn of 0 to 360 degrees.
std::pair<int, int> travelEnds(const BridgeOptions& options, const HamlibRotator& rotator)
{
    const bool ownRange = rotator.maxAzimuth() > rotator.minAzimuth();
    const int minimum = options.minAzimuth.value_or(ownRange ? int(std::ceil(rotator.minAzimuth())) : 0);
    const int maximum = options.maxAzimuth.value_or(ownRange ? int(std::floor(rotator.maxAzimuth())) : 360);
    return {minimum, maximum};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QString error;
    const auto options = BridgeOptions::parse(QCoreApplication::arguments(), &error);
    if (!options)
        return error.isEmpty() ? 0 : fail(error, 2);

    const QString program = QCoreApplication::applicationFilePath();
    if (options->registerProgram) {
        if (!HamlibRotator::modelKnown(options->model))
            return fail(QStringLiteral("Hamlib kennt kein Rotormodell %1.").arg(options->model), 2);
        if (!options->save(program))
            return fail(QStringLiteral("Eintrag in der Registry nicht möglich."), 1);
        QTextStream(stdout) << "Eingetragen: " << program << Qt::endl;
        return 0;
    }

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QStringLiteral("Kein D-Bus-Sitzungsbus erreichbar."), 1);
    // Corvane may start this program again while a first start is still coming up.
    const QString service = DdeNames::programService(program);
    if (bus.interface()->isServiceRegistered(DdeNames::busName(service)))
        return fail(QStringLiteral("Läuft bereits."), 0);

    HamlibRotator rotator;
    const QString openError = rotator.open(options->model, options->device);
    if (!openError.isEmpty())
        return fail(openError + u'.', 1);
    const auto [minAzimuth, maxAzimuth] = travelEnds(*options, rotator);
    // One end given and the other taken from the rotator can cross; such a range is no range.
    if (minAzimuth >= maxAzimuth)
        return fail(QStringLiteral("Drehbereich %1° bis %2° ist leer: das linke Ende muss unter dem rechten liegen.")
                        .arg(minAzimuth).arg(maxAzimuth), 2);

    RotorBridge bridge(bus, service, rotator, minAzimuth, maxAzimuth);
    if (!bridge.start())
        return fail(QStringLiteral("Läuft bereits."), 0);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application, &QCoreApplication::quit);
    QObject::connect(&bridge, &RotorBridge::busLost, &application, [] {
        fail(QStringLiteral("Verbindung zum Sitzungsbus verloren."), 1);
        QCoreApplication::exit(1);
    });
    QTextStream(stderr) << "CorvaneRotor: Rotormodell " << options->model << ", Drehbereich " << minAzimuth << "° bis "
                        << maxAzimuth << "°, wartet auf Corvane." << Qt::endl;
    const int exitCode = QCoreApplication::exec();
    rotator.stop();
    return exitCode;
}
