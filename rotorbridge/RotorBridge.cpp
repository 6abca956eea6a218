// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotorBridge.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeServer.h"
#include "rotor/RotorMacros.h"
#include "session/RotorState.h"
#include "rotorbridge/BridgeLog.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

RotorBridge::RotorBridge(QDBusConnection bus, const QString& service, HamlibRotator& rotator,
                         std::optional<int> wantedMinimum, std::optional<int> wantedMaximum, BridgeLog& log,
                         RotorBridgeTiming timing, QObject* parent)
    : QObject(parent),
      bus_(bus),
      rotator_(rotator),
      log_(log),
      keeper_(rotator, log, timing.reopenPauses),
      wantedMinimum_(wantedMinimum),
      wantedMaximum_(wantedMaximum),
      server_(new DdeServer(bus, service, QStringLiteral("RotServConv"),
                            [this](const QString&, const QString& macro) { return executeMacro(macro); }, this)),
      corvane_(new DdeClientConversation(bus, this))
{
    statusTimer_.setInterval(timing.statusInterval);
    connect(&statusTimer_, &QTimer::timeout, this, &RotorBridge::sendStatus);
    connect(corvane_, &DdeClientConversation::closed, this, [this] {
        log_.write(QCoreApplication::translate("RotorBridge", "%1 hat die Verbindung beendet.").arg(corvaneTitle_));
    });
}

RotorBridge::StartResult RotorBridge::start()
{
    keeper_.open();
    const TravelRange travel = currentTravel();
    if (!travel.isRange())
        return StartResult::EmptyTravel;
    adoptTravel(travel);
    if (!server_->registerService())
        return StartResult::AlreadyServed;
    statusTimer_.start();
    return StartResult::Started;
}

TravelRange RotorBridge::currentTravel()
{
    return TravelRange::effective(wantedMinimum_, wantedMaximum_, rotator_.azimuthRange());
}

void RotorBridge::updateTravel()
{
    const TravelRange travel = currentTravel();
    // Ends that cross would make every target unreachable: keep the ones in use.
    if (!travel.isRange()) {
        log_.write(
            QCoreApplication::translate("RotorBridge", "Drehbereich %1° bis %2° ist leer; es bleibt %3° bis %4°.")
                .arg(travel.minimum)
                .arg(travel.maximum)
                .arg(travel_.minimum)
                .arg(travel_.maximum));
        return;
    }
    adoptTravel(travel);
}

void RotorBridge::adoptTravel(const TravelRange& travel)
{
    const bool changed = travel.minimum != travel_.minimum || travel.maximum != travel_.maximum || travel.cut != travel_.cut;
    if (changed && travel.cut)
        log_.write(QCoreApplication::translate("RotorBridge",
                                               "Drehbereich auf %1° bis %2° gekürzt: mehr nimmt der Rotor nicht an.")
                       .arg(travel.minimum)
                       .arg(travel.maximum));
    travel_ = travel;
}

bool RotorBridge::executeMacro(const QString& macro)
{
    const QStringList lines = RotorMacros::lines(macro);
    if (const auto title = RotorMacros::helloTitle(lines))
        return takeHello(*title);
    const auto target = RotorMacros::parseTarget(lines);
    if (!target)
        return false;
    if (route_)
        return route_(target->azimuth, target->elevation);
    return turnTo(target->azimuth, target->elevation).isEmpty();
}

bool RotorBridge::takeHello(const QString& title)
{
    // Only a hello whose sender answers replaces the conversation: a stranger's hello leaves a
    // working link alone.
    if (!corvane_->connectTo(title, QStringLiteral("AntDaten"))) {
        log_.write(QCoreApplication::translate(
                       "RotorBridge", "Hallo von '%1', aber kein Server '%1' mit dem Thema AntDaten erreichbar.")
                       .arg(title));
        return false;
    }
    corvaneTitle_ = title;
    log_.write(QCoreApplication::translate("RotorBridge", "Verbunden mit %1.").arg(title));
    return true;
}

QString RotorBridge::turnTo(double azimuth, double elevation)
{
    // Clamping passes NaN through, and Hamlib turns a rotator past its stops on NaN: every
    // command, from the bus, a macro or a listener, is refused here unless both angles are numbers.
    if (!std::isfinite(azimuth) || !std::isfinite(elevation)) {
        const QString failure =
            QCoreApplication::translate("RotorBridge", "Ziel %1° / %2° abgelehnt: keine endliche Zahl")
                .arg(azimuth)
                .arg(elevation);
        log_.write(failure);
        return failure;
    }
    const HamlibRotator::Position held = heldInRange(azimuth, elevation);
    azimuth = held.azimuth;
    elevation = held.elevation;
    const QString failure = rotator_.setPosition(azimuth, elevation);
    if (!failure.isEmpty()) {
        log_.write(QCoreApplication::translate("RotorBridge", "Ziel %1° / %2° abgelehnt: %3")
                       .arg(azimuth)
                       .arg(elevation)
                       .arg(failure));
        return failure;
    }
    goal_ = azimuth;
    ++goalCount_;
    return failure;
}

HamlibRotator::Position RotorBridge::heldInRange(double azimuth, double elevation)
{
    azimuth = std::clamp<double>(azimuth, travel_.minimum, travel_.maximum);
    if (const auto range = rotator_.elevationRange())
        elevation = std::clamp(elevation, range->minimum, range->maximum);
    return {azimuth, elevation};
}

QString RotorBridge::stop()
{
    return withoutGoal(rotator_.stop());
}

QString RotorBridge::park()
{
    return withoutGoal(rotator_.park());
}

QString RotorBridge::withoutGoal(const QString& failure)
{
    // The status stops naming a goal that the antenna no longer heads for.
    if (failure.isEmpty())
        goal_.reset();
    return failure;
}

bool RotorBridge::isCorvane(const QString& connection) const
{
    return corvane_->isConnected() && corvane_->serverConnection() == connection;
}

void RotorBridge::sendStatus()
{
    if (!bus_.isConnected()) {
        statusTimer_.stop();
        emit busLost();
        return;
    }
    const bool hadReading = last_.has_value();
    last_ = keeper_.read();
    if (keeper_.takeOpened()) {
        updateTravel();
        emit rotatorOpened();
    }
    RotorMacros::Status status{RotorState::noReadingAzimuth, 0, 0, travel_.minimum, travel_.maximum};
    status.motion = motion_.update(last_ ? std::optional(last_->azimuth) : std::nullopt);
    if (last_) {
        status.positionRead = true;
        status.azimuth = last_->azimuth;
        status.elevation = last_->elevation;
        emit positionRead(status.motion);
    } else if (hadReading) {
        emit positionLost();
    }
    status.goalAzimuth = goal_;
    status.goalCount = goalCount_;
    if (corvane_->isConnected())
        corvane_->executeAsync(RotorMacros::text(RotorMacros::statusLines(status)));
}
