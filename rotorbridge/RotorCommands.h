// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/CommandPacer.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/PathSettings.h"
#include "rotorbridge/TravelRange.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class BridgeLog;
class RotorBridge;

// The one way from every client (Corvane, the bus, rotctld, PstRotator and N1MM clients) into the
// rotator, so that every heading meets the same rules: it must be a number, it is moved into the
// travel ends and takes the path Corvane's settings choose, and the dead band and the least
// interval spare the relays. Every heading that goes to the rotator is logged with the client
// that sent it. Angles in degrees.
class RotorCommands : public QObject {
    Q_OBJECT
public:
    struct Rules {
        double deadBand = CommandPacer::defaultDeadBand;             // degrees
        int leastIntervalMs = CommandPacer::defaultLeastIntervalMs;  // ms
        std::optional<double> parkAzimuth;                           // degrees; nothing: the rotator's own park
        double parkElevation = 0;                                    // degrees
    };
    // The path rule as Corvane last set it; asked at every heading, so a change applies at once.
    using PathSource = std::function<PathSettings()>;

    RotorCommands(RotorBridge& bridge, HamlibRotator& rotator, PathSource path, Rules rules, BridgeLog& log,
                  QObject* parent = nullptr);

    // Empty when taken (sent, waiting for the least interval or inside the dead band), else why
    // it was refused.
    using Answer = QString;
    // A bearing as a client gives it (any number of turns); elevation nothing: keep the one the
    // antenna is going to or at.
    Answer turnToBearing(double bearing, std::optional<double> elevation, const QString& client);
    // An azimuth already in the rotor's scale, its path chosen by the sender (Corvane's panel).
    Answer turnToAzimuth(double azimuth, double elevation, const QString& client);
    // Only the elevation; the azimuth stays the one the antenna is going to or at.
    Answer turnElevation(double elevation, const QString& client);
    Answer stop(const QString& client);
    Answer park(const QString& client);

    // Where the antenna points, from the last status reading.
    std::optional<HamlibRotator::Position> position() const;
    // The azimuth the antenna is going to (or last went to).
    std::optional<double> goalAzimuth() const;
    // Who gave that goal ("Corvane", "rotctld", "Web", …); empty without a goal.
    QString goalClient() const;
    // The travel ends reported to Corvane and the clients, whole degrees.
    const TravelRange& travel() const;
    // The elevations the rotator takes; 0 to 90 degrees where it does not say.
    HamlibRotator::Range elevationRange() const;
    const Rules& rules() const { return rules_; }
    int sentCount() const { return pacer_.sentCount(); }

private:
    Answer submit(double azimuth, double elevation, const QString& client);
    // Refuses a heading that is no finite number, says why and logs it with the client.
    Answer refusedAsNoNumber(double azimuth, double elevation, const QString& client);
    double elevationToKeep() const;

    RotorBridge& bridge_;
    HamlibRotator& rotator_;
    PathSource path_;
    Rules rules_;
    BridgeLog& log_;
    CommandPacer pacer_;

public:
    enum class Direction { Left, Right, Up, Down };
    // A move goes on to the travel end that way (to the highest or lowest elevation up or down)
    // unless stopped before: a heading to that end, so it meets every rule a heading meets.
    Answer move(Direction direction, const QString& client);
    // Resets the rotator's controller; kind: Hamlib's kind of reset (1: all).
    Answer reset(int kind, const QString& client);
    HamlibRotator::Status status() const;
    // The capabilities of the rotator's model, with the travel ends and elevations reported to the
    // clients; empty when they cannot be read.
    QByteArray capabilities() const;
};
