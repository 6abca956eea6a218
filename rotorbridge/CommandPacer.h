// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

// Spares the rotator's relays: a heading closer than the dead band to where the antenna is
// already going (or, with no goal, to where it points) is not sent, and two commands are at
// least the least interval apart; a newer heading that comes in between replaces the one
// waiting. Angles in degrees.
class CommandPacer : public QObject {
    Q_OBJECT
public:
    static constexpr double defaultDeadBand = 2;  // degrees
    static constexpr int defaultLeastIntervalMs = 1000;

    struct Heading {
        double azimuth;
        double elevation;
        QString client;  // who asked, for the log
    };
    // Sends a heading to the rotator; returns why the rotator refused, empty on success.
    using Sender = std::function<QString(const Heading&)>;

    CommandPacer(double deadBand, int leastIntervalMs, Sender sender, QObject* parent = nullptr);

    enum class Outcome {
        Sent,     // gone to the rotator now
        Waiting,  // goes when the least interval is over, unless a newer heading replaces it
        Skipped,  // inside the dead band: nothing to do
        Failed,   // the rotator refused it
    };
    // pointing: where the antenna points now, when known.
    Outcome submit(const Heading& heading, std::optional<Heading> pointing);
    // The antenna was stopped or parked by other means: no goal any more, nothing waiting.
    void forget();

    // The last heading sent, while the antenna may still be going there.
    const std::optional<Heading>& goal() const { return goal_; }
    int sentCount() const { return sent_; }

private:
    bool withinDeadBand(const Heading& heading, const Heading& reference) const;
    QString send(const Heading& heading);
    void sendWaiting();

    double deadBand_;
    int leastIntervalMs_;
    Sender sender_;
    std::optional<Heading> goal_;
    std::optional<Heading> waiting_;
    QElapsedTimer sinceSent_;
    QTimer waitTimer_;
    int sent_ = 0;
};
