#include "rotorbridge/RotorBridge.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeServer.h"
#include "rotor/RotorMacros.h"

#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

constexpr int statusIntervalMs = 500;
constexpr double movingThreshold = 0.05;  // degrees between two statuses that count as turning
// The azimuth that tells Corvane there is no rotor reading, degrees (sent as -100000 tenths).
constexpr double noReadingAzimuth = -10000;

void report(const QString& text)
{
    QTextStream(stderr) << text << Qt::endl;
}

} // namespace

RotorBridge::RotorBridge(QDBusConnection bus, const QString& service, HamlibRotator& rotator, int minAzimuth,
                         int maxAzimuth, QObject* parent)
    : QObject(parent),
      bus_(bus),
      rotator_(rotator),
      minAzimuth_(minAzimuth),
      maxAzimuth_(maxAzimuth),
      server_(new DdeServer(bus, service, QStringLiteral("RotServConv"),
                            [this](const QString&, const QString& macro) { return executeMacro(macro); }, this)),
      corvane_(new DdeClientConversation(bus, this))
{
    statusTimer_.setInterval(statusIntervalMs);
    connect(&statusTimer_, &QTimer::timeout, this, &RotorBridge::sendStatus);
    connect(corvane_, &DdeClientConversation::closed, this, [] { report(QStringLiteral("Corvane hat die Verbindung beendet.")); });
}

bool RotorBridge::start()
{
    if (!server_->registerService())
        return false;
    statusTimer_.start();
    return true;
}

bool RotorBridge::executeMacro(const QString& macro)
{
    const QStringList lines = RotorMacros::lines(macro);
    if (const auto title = RotorMacros::helloTitle(lines)) {
        if (!corvane_->connectTo(*title, QStringLiteral("AntDaten"))) {
            report(QStringLiteral("Kein Server '%1' mit dem Thema AntDaten erreichbar.").arg(*title));
            return false;
        }
        report(QStringLiteral("Verbunden mit %1.").arg(*title));
        return true;
    }
    const auto target = RotorMacros::parseTarget(lines);
    if (!target)
        return false;
    const double azimuth = std::clamp<double>(target->azimuth, minAzimuth_, maxAzimuth_);
    const bool elevationRange = rotator_.maxElevation() > rotator_.minElevation();
    const double elevation = elevationRange ? std::clamp(target->elevation, rotator_.minElevation(), rotator_.maxElevation())
                                            : target->elevation;
    const QString failure = rotator_.setPosition(azimuth, elevation);
    if (!failure.isEmpty())
        report(QStringLiteral("Ziel %1° / %2° nicht anfahrbar: %3").arg(azimuth).arg(elevation).arg(failure));
    return failure.isEmpty();
}

void RotorBridge::sendStatus()
{
    if (!bus_.isConnected()) {
        statusTimer_.stop();
        emit busLost();
        return;
    }
    if (!corvane_->isConnected())
        return;
    RotorMacros::Status status{noReadingAzimuth, 0, 0, minAzimuth_, maxAzimuth_};
    if (const auto position = rotator_.position()) {
        positionFailed_ = false;
        status.positionRead = true;
        status.azimuth = position->azimuth;
        status.elevation = position->elevation;
        if (lastAzimuth_ && std::abs(position->azimuth - *lastAzimuth_) > movingThreshold)
            status.motion = position->azimuth > *lastAzimuth_ ? 1 : -1;
        lastAzimuth_ = position->azimuth;
    } else {
        if (!positionFailed_)
            report(QStringLiteral("Rotorposition nicht lesbar."));
        positionFailed_ = true;
        lastAzimuth_.reset();
    }
    corvane_->executeAsync(RotorMacros::text(RotorMacros::statusLines(status)));
}
