// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "logger/Logger32Exchange.h"

#include <QObject>
#include <QString>

#include <optional>

// Bounds on one wait of the Logger32 link, ms: for a posted reply, and for the answer of Logger32's window (to a
// sent message, or to the question for its handle). Without them a silent or hung Logger32
// would keep the link busy for ever. Tests shorten them.
struct Logger32Timing {
    int replyTimeout = 3000;
    int sendTimeout = 5000;
    int disconnectPause = 2000;  // after the leave message
    int messagePause = 100;      // after each message sent, so that Logger32 keeps up
};

// The link to the logging program Logger32 over window messages: a handshake announces this
// program, and Logger32 then posts antenna bearings. The handshake and the leave run as steps on
// the event loop, so a slow, silent or hung Logger32 never freezes the window; their messages and
// pauses on the bus are the same as if they waited in place.
class Logger32Link : public QObject {
    Q_OBJECT
public:
    // What the "Logger32" menu item shows. Start: no handshake has ended with an answer yet.
    enum class State { Start, NotFound, NotConnected, Connected };

    static constexpr int attemptCount = 5;     // announcements, one per message name
    static constexpr int countedReplies = 10;  // replies after the announcement that may come before reply 3
    static constexpr int maxRepeats = 10;      // times a reply 100 before reply 3 asks again; the next one fails

    // The bearing a posted message carries: wParam 101 under the link's message name, lParam 0 to
    // 360 degrees; nothing for any other message.
    static std::optional<int> bearingOf(const Logger32Exchange::Message& message, const QString& messageId);

    explicit Logger32Link(Logger32Timing timing = {}, QObject* parent = nullptr);

    State state() const { return state_; }
    // A handshake or a leave is running; the menu item starts nothing meanwhile.
    bool inProgress() const { return activity_ != Activity::Idle; }
    // The link counts as up until Logger32 is missing or has refused.
    bool isUp() const { return state_ == State::Start || state_ == State::Connected; }

    // Both return at once; the work goes on from the event loop.
    void ConnectLogger32();
    void DisconnectLogger32();
    // At shut-down: cancels a handshake, lets a leave finish, and leaves when the link is up,
    // waiting for that on a local event loop.
    void shutdown();

    // Handle of Logger32's window, 0 while not found; the name of the registered message.
    qint64 logger32Window = 0;
    QString logger32MessageId;

signals:
    // The state or the activity changed.
    void changed();
    // Logger32 posted an antenna bearing, degrees 0 to 360.
    void bearingReceived(int bearing);

private:
    enum class Activity { Idle, Connecting, Leaving };

    const Logger32Timing timing_;

    void announce(int attempt);
    void startHandshake();
    void countReplies(int counted, bool up, int repeats);
    void conclude(bool up);
    void finish();
    void setActivity(Activity activity);
    void setState(State state);
    // Sends to Logger32 under the current message name, then pauses timing_.messagePause.
    void sendAndPause(qint64 wParam, qint64 lParam, Logger32Exchange::Step next);
    // The application-wide hook: sees every posted message no handshake step takes.
    void ApplicationEvents1Message(const Logger32Exchange::Message& message);

    Logger32Exchange exchange_;
    State state_ = State::Start;
    Activity activity_ = Activity::Idle;
};
