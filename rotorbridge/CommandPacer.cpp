// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/CommandPacer.h"

#include <cmath>

CommandPacer::CommandPacer(double deadBand, int leastIntervalMs, Sender sender, QObject* parent)
    : QObject(parent), deadBand_(deadBand), leastIntervalMs_(leastIntervalMs), sender_(std::move(sender))
{
    waitTimer_.setSingleShot(true);
    connect(&waitTimer_, &QTimer::timeout, this, &CommandPacer::sendWaiting);
}

bool CommandPacer::withinDeadBand(const Heading& heading, const Heading& reference) const
{
    return std::fabs(heading.azimuth - reference.azimuth) < deadBand_ &&
        std::fabs(heading.elevation - reference.elevation) < deadBand_;
}

CommandPacer::Outcome CommandPacer::submit(const Heading& heading, std::optional<Heading> pointing)
{
    const std::optional<Heading>& reference = goal_ ? goal_ : pointing;
    if (reference && withinDeadBand(heading, *reference)) {
        // The newest wish is already served: an older one still waiting must not go either.
        waiting_.reset();
        waitTimer_.stop();
        return Outcome::Skipped;
    }
    const qint64 since = sinceSent_.isValid() ? sinceSent_.elapsed() : leastIntervalMs_;
    if (since < leastIntervalMs_) {
        waiting_ = heading;
        if (!waitTimer_.isActive())
            waitTimer_.start(int(leastIntervalMs_ - since));
        return Outcome::Waiting;
    }
    return send(heading).isEmpty() ? Outcome::Sent : Outcome::Failed;
}

void CommandPacer::forget()
{
    goal_.reset();
    waiting_.reset();
    waitTimer_.stop();
}

void CommandPacer::forgetGoal()
{
    goal_.reset();
}

void CommandPacer::observe(const Heading& pointing, bool moving)
{
    if (!goal_)
        return;
    ++readingsSinceSent_;
    if (!moving && readingsSinceSent_ > startReadings && !withinDeadBand(*goal_, pointing))
        goal_.reset();
}

QString CommandPacer::send(const Heading& heading)
{
    sinceSent_.start();
    const QString failure = sender_(heading);
    if (failure.isEmpty()) {
        goal_ = heading;
        readingsSinceSent_ = 0;
        ++sent_;
    }
    return failure;
}

void CommandPacer::sendWaiting()
{
    if (!waiting_)
        return;
    const Heading heading = *waiting_;
    waiting_.reset();
    send(heading);
}
