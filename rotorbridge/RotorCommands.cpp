// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotorCommands.h"

#include "rotor/OptimisedPath.h"
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/RotorBridge.h"

#include <QCoreApplication>

#include <cmath>

namespace {

constexpr double fullTurn = 360;  // degrees


}  // namespace

RotorCommands::RotorCommands(RotorBridge& bridge, HamlibRotator& rotator, PathSource path, Rules rules, BridgeLog& log,
                             QObject* parent)
    : QObject(parent), bridge_(bridge), rotator_(rotator), path_(std::move(path)), rules_(rules), log_(log),
      pacer_(rules.deadBand, rules.leastIntervalMs, [this](const CommandPacer::Heading& heading) {
          // What goes to the rotator, not what was asked: a huge heading goes as the travel end.
          const HamlibRotator::Position sent = bridge_.heldInRange(heading.azimuth, heading.elevation);
          log_.write(QCoreApplication::translate("RotorCommands", "Ziel von %1: Azimut %2°, Elevation %3°.")
                         .arg(heading.client)
                         .arg(sent.azimuth)
                         .arg(sent.elevation));
          return bridge_.turnTo(heading.azimuth, heading.elevation);
      })
{
    connect(&bridge_, &RotorBridge::rotatorOpened, this, [this] { pacer_.forgetGoal(); });
    connect(&bridge_, &RotorBridge::positionRead, this, [this](int motion) {
        if (const auto position = bridge_.lastPosition())
            pacer_.observe({position->azimuth, position->elevation, QString()}, motion != 0);
    });
}

std::optional<HamlibRotator::Position> RotorCommands::position() const
{
    return bridge_.lastPosition();
}

std::optional<double> RotorCommands::goalAzimuth() const
{
    return pacer_.goal() ? std::optional(pacer_.goal()->azimuth) : std::nullopt;
}

QString RotorCommands::goalClient() const
{
    return pacer_.goal() ? pacer_.goal()->client : QString();
}

const TravelRange& RotorCommands::travel() const
{
    return bridge_.travel();
}

HamlibRotator::Range RotorCommands::elevationRange() const
{
    return rotator_.elevationRange().value_or(HamlibRotator::Range {0, 90});
}

double RotorCommands::elevationToKeep() const
{
    if (pacer_.goal())
        return pacer_.goal()->elevation;
    return bridge_.lastPosition() ? bridge_.lastPosition()->elevation : 0;
}

RotorCommands::Answer RotorCommands::turnToBearing(double bearing, std::optional<double> elevation,
                                                   const QString& client)
{
    if (!std::isfinite(bearing) || (elevation && !std::isfinite(*elevation)))
        return refusedAsNoNumber(bearing, elevation.value_or(0), client);
    const TravelRange& travel = bridge_.travel();
    const double inRange = OptimisedPath::intoRange(bearing, travel.minimum, travel.maximum, fullTurn);
    double azimuth = inRange;
    if (const auto position = bridge_.lastPosition()) {
        const PathSettings path = path_();
        azimuth = OptimisedPath::rotorTarget(inRange, {position->azimuth, travel.minimum, travel.maximum}, path.overlap,
                                             path.optimise);
    }
    return submit(azimuth, elevation ? *elevation : elevationToKeep(), client);
}

RotorCommands::Answer RotorCommands::turnToAzimuth(double azimuth, double elevation, const QString& client)
{
    if (!std::isfinite(azimuth) || !std::isfinite(elevation))
        return refusedAsNoNumber(azimuth, elevation, client);
    return submit(azimuth, elevation, client);
}

RotorCommands::Answer RotorCommands::refusedAsNoNumber(double azimuth, double elevation, const QString& client)
{
    // The same words as the rotator side's own refusal, which every command passes as well.
    const QString reason = QCoreApplication::translate("RotorCommands", "Ziel %1° / %2° abgelehnt: keine endliche Zahl")
                               .arg(azimuth)
                               .arg(elevation);
    log_.write(QCoreApplication::translate("RotorCommands", "%1 (von %2)").arg(reason, client));
    return reason;
}

RotorCommands::Answer RotorCommands::submit(double azimuth, double elevation, const QString& client)
{
    std::optional<CommandPacer::Heading> pointing;
    if (const auto position = bridge_.lastPosition())
        pointing = CommandPacer::Heading {position->azimuth, position->elevation, QString()};
    if (pacer_.submit({azimuth, elevation, client}, pointing) == CommandPacer::Outcome::Failed)
        return QCoreApplication::translate("RotorCommands", "Rotor nimmt das Ziel nicht an");
    return QString();
}

RotorCommands::Answer RotorCommands::turnElevation(double elevation, const QString& client)
{
    std::optional<double> azimuth = goalAzimuth();
    if (!azimuth && bridge_.lastPosition())
        azimuth = bridge_.lastPosition()->azimuth;
    if (!azimuth)
        return QCoreApplication::translate("RotorCommands", "Azimut des Rotors unbekannt");
    return turnToAzimuth(*azimuth, elevation, client);
}

RotorCommands::Answer RotorCommands::stop(const QString& client)
{
    pacer_.forget();
    log_.write(QCoreApplication::translate("RotorCommands", "Stopp von %1.").arg(client));
    const QString failure = bridge_.stop();
    if (!failure.isEmpty())
        log_.write(
            QCoreApplication::translate("RotorCommands", "Stopp von %1 nicht ausgeführt: %2.").arg(client, failure));
    return failure;
}

RotorCommands::Answer RotorCommands::park(const QString& client)
{
    if (rules_.parkAzimuth)
        return turnToAzimuth(*rules_.parkAzimuth, rules_.parkElevation,
                             client + QCoreApplication::translate("RotorCommands", " (Parkposition)"));
    if (!rotator_.canPark()) {
        const QString reason = QCoreApplication::translate(
            "RotorCommands", "keine Parkposition eingetragen, und der Rotor parkt nicht selbst");
        log_.write(QCoreApplication::translate("RotorCommands", "Parken von %1 abgelehnt: %2.").arg(client, reason));
        return reason;
    }
    pacer_.forget();
    log_.write(QCoreApplication::translate("RotorCommands", "Parken von %1 (Parkposition des Rotors).").arg(client));
    const QString failure = bridge_.park();
    if (!failure.isEmpty())
        log_.write(QCoreApplication::translate("RotorCommands", "Parken abgelehnt: %1").arg(failure));
    return failure;
}

RotorCommands::Answer RotorCommands::move(Direction direction, const QString& client)
{
    const QString mover = client + QCoreApplication::translate("RotorCommands", " (Bewegung)");
    const TravelRange& travel = bridge_.travel();
    switch (direction) {
    case Direction::Left:
        return turnToAzimuth(travel.minimum, elevationToKeep(), mover);
    case Direction::Right:
        return turnToAzimuth(travel.maximum, elevationToKeep(), mover);
    case Direction::Up:
        return turnElevation(elevationRange().maximum, mover);
    case Direction::Down:
        return turnElevation(elevationRange().minimum, mover);
    }
    return QString();
}

RotorCommands::Answer RotorCommands::reset(int kind, const QString& client)
{
    log_.write(QCoreApplication::translate("RotorCommands", "Zurücksetzen (Art %1) von %2.").arg(kind).arg(client));
    const QString failure = rotator_.reset(kind);
    if (!failure.isEmpty())
        log_.write(QCoreApplication::translate("RotorCommands", "Zurücksetzen von %1 nicht ausgeführt: %2.")
                       .arg(client, failure));
    return failure;
}

HamlibRotator::Status RotorCommands::status() const
{
    return rotator_.status();
}

QByteArray RotorCommands::capabilities() const
{
    const TravelRange& travel = bridge_.travel();
    return rotator_.capabilities({double(travel.minimum), double(travel.maximum)}, elevationRange());
}
