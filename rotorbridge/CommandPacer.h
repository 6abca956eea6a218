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
// waiting. A goal counts only while the rotator heads there or stands at it: one it stands away
// from (stopped on its front panel, turned by hand, back at its rest after a restart) is given
// up, so that the same heading goes out again. Angles in degrees.
class CommandPacer : public QObject {
    Q_OBJECT
public:
    static constexpr double defaultDeadBand = 2;  // degrees
    static constexpr int defaultLeastIntervalMs = 1000;
    // Readings after a command in which a rotator may still stand before it starts to turn.
    static constexpr int startReadings = 8;

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
    // The rotator was opened again: where it heads is unknown; a heading waiting still goes.
    void forgetGoal();
    // A reading of the rotator, taken at every status step; moving: it is seen turning.
    void observe(const Heading& pointing, bool moving);

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
    int readingsSinceSent_ = 0;
};
