// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/MotionDetector.h"
#include "rotorbridge/RotatorKeeper.h"
#include "rotorbridge/TravelRange.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class BridgeLog;
class DdeClientConversation;
class DdeServer;

// The rotor link's intervals on the rotor program's side; tests shorten them.
struct RotorBridgeTiming {
    // Between two readings of the rotator and two statuses, ms. MotionDetector counts readings
    // and is tuned to this pace: a test that shortens it speeds its rotator up alike.
    int statusInterval = 500;
    RotatorKeeper::Pauses reopenPauses = RotatorKeeper::defaultPauses;
};

// The rotor program's link to Corvane: serves the topic "RotServConv" under its own service;
// on a hello "ZD <title>" it opens a conversation to (title, "AntDaten"), sends the rotator's
// status there every status interval (500 ms) and turns the rotator to the targets it receives.
// The rotator is read at every status step, also while no Corvane listens, so that a lost rotator
// is reopened.
class RotorBridge : public QObject {
    Q_OBJECT
public:
    // wantedMinimum, wantedMaximum: the travel ends the user registered, whole degrees; they are
    // cut to what the rotator accepts.
    RotorBridge(QDBusConnection bus, const QString& service, HamlibRotator& rotator, std::optional<int> wantedMinimum,
                std::optional<int> wantedMaximum, BridgeLog& log, RotorBridgeTiming timing = {},
                QObject* parent = nullptr);

    enum class StartResult {
        Started,
        EmptyTravel,     // the travel ends cross once cut to what the rotator accepts
        AlreadyServed,   // another program already serves the service
    };
    // Opens the rotator (a failure is retried later), works out the travel ends and offers the
    // service.
    StartResult start();

    const TravelRange& travel() const { return travel_; }
    // The last position read, degrees; nothing while the rotator cannot be read.
    std::optional<HamlibRotator::Position> lastPosition() const { return last_; }
    // Turns the rotator to an azimuth in its own scale (held within the travel ends) and an
    // elevation, degrees. An angle that is not a finite number is refused. Returns why the
    // target was refused, empty on success.
    QString turnTo(double azimuth, double elevation);
    // The angles turnTo sends for finite ones: held within the travel ends and the elevations the
    // rotator takes.
    HamlibRotator::Position heldInRange(double azimuth, double elevation);
    // Returns why the rotator could not be stopped, empty on success. A stopped rotator has no
    // goal any more.
    QString stop();
    // The rotator's own park; returns why it refused, empty on success. Its goal is then unknown.
    QString park();
    // Where the targets from Corvane go instead of straight to turnTo: the path that every
    // client's heading takes. Returns whether the target is taken.
    void routeTargets(std::function<bool(double azimuth, double elevation)> route) { route_ = std::move(route); }

    // Whether a bus connection (its unique name) is the Corvane this program is linked with.
    bool isCorvane(const QString& connection) const;

signals:
    void busLost();
    // The rotator was (re)opened: where it was sent before is no longer known to hold.
    void rotatorOpened();
    // A status step read the rotator (lastPosition); motion -1, 0 or +1 as the status tells it.
    void positionRead(int motion);
    // A status step found no reading where the one before had one.
    void positionLost();

private:
    bool executeMacro(const QString& macro);
    bool takeHello(const QString& title);
    void sendStatus();
    // After a stop or park: no goal when the rotator took it. Returns the failure as given.
    QString withoutGoal(const QString& failure);
    // The registered ends cut to what the rotator accepts now.
    TravelRange currentTravel();
    void updateTravel();
    void adoptTravel(const TravelRange& travel);

    QDBusConnection bus_;
    HamlibRotator& rotator_;
    BridgeLog& log_;
    RotatorKeeper keeper_;
    MotionDetector motion_;
    std::optional<int> wantedMinimum_;
    std::optional<int> wantedMaximum_;
    TravelRange travel_;
    std::optional<HamlibRotator::Position> last_;
    DdeServer* server_;
    DdeClientConversation* corvane_;
    QString corvaneTitle_;  // the title of the hello that opened the conversation
    QTimer statusTimer_;
    std::function<bool(double, double)> route_;
    // The last azimuth sent to the rotator, degrees, and how many have been sent: the status tells
    // Corvane's panel the target whoever set it.
    std::optional<double> goal_;
    int goalCount_ = 0;
};
