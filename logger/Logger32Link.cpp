// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "logger/Logger32Link.h"

#include "widgets/ErrorBox.h"

#include <QEventLoop>

namespace {

const QString logger32WindowName = QStringLiteral("Logger32");

} // namespace

Logger32Link::Logger32Link(Logger32Timing timing, QObject* parent)
    : QObject(parent),
      timing_(timing),
      exchange_([this](const Logger32Exchange::Message& message) { ApplicationEvents1Message(message); })
{
}

void Logger32Link::ConnectLogger32()
{
    // A menu click while a handshake or a leave runs must not start another one beside it.
    if (inProgress())
        return;
    // Whether the window exists is the bus's answer, at once; only its handle needs the window.
    logger32Window = 0;
    if (!MessageWindow::windowExists(logger32WindowName)) {
        setState(State::NotFound);
        return;
    }
    setActivity(Activity::Connecting);
    exchange_.findWindow(logger32WindowName, timing_.sendTimeout, [this](qint64 handle) {
        logger32Window = handle;
        if (handle == 0) {
            setState(State::NotFound);
            finish();
            return;
        }
        announce(1);
    });
}

void Logger32Link::announce(int attempt)
{
    logger32MessageId = QStringLiteral("Logger32 %1").arg(attempt);
    exchange_.pause(timing_.messagePause, [this, attempt] {
        // Replies are read from the queue from the first announcement on; whatever came before
        // (a late reply of an earlier handshake) went its normal way and cannot count here.
        exchange_.hold();
        sendAndPause(1, exchange_.ownHandle(), [this, attempt] {
            exchange_.take(timing_.replyTimeout, [this, attempt](const std::optional<Logger32Exchange::Message>& reply) {
                if (reply && reply->wParam == 0 && reply->lParam == 1)
                    startHandshake();
                else if (attempt < attemptCount)
                    announce(attempt + 1);
                else
                    finish();  // no acknowledgement: the caption stays as it was
            });
        });
    });
}

void Logger32Link::startHandshake()
{
    sendAndPause(2, 0, [this] { sendAndPause(3, 0, [this] { countReplies(0, false, 0); }); });
}

void Logger32Link::countReplies(int counted, bool up, int repeats)
{
    if (counted == countedReplies) {
        conclude(up);
        return;
    }
    exchange_.take(timing_.replyTimeout, [this, counted, up, repeats](const std::optional<Logger32Exchange::Message>& reply) {
        if (!reply) {
            conclude(up);
        } else if (reply->wParam == 100) {
            if (up)
                conclude(true);
            else if (repeats == maxRepeats)  // a peer that only ever says 100 would be asked for ever
                conclude(false);
            else  // before reply 3: ask again, and this reply does not count
                sendAndPause(2, 0, [this, counted, repeats] { countReplies(counted, false, repeats + 1); });
        } else if (reply->wParam == 3) {
            exchange_.pause(timing_.messagePause, [this, counted, repeats] { countReplies(counted + 1, true, repeats); });
        } else {
            countReplies(counted + 1, up, repeats);
        }
    });
}

void Logger32Link::conclude(bool up)
{
    if (up) {
        setState(State::Connected);
        finish();
        return;
    }
    setState(State::NotConnected);
    exchange_.send(logger32Window, logger32MessageId, 4, 0, timing_.sendTimeout, [this] { finish(); });
}

void Logger32Link::DisconnectLogger32()
{
    if (inProgress())
        return;
    setActivity(Activity::Leaving);
    const auto leave = [this] {
        setState(State::NotConnected);
        exchange_.pause(timing_.disconnectPause, [this] { finish(); });
    };
    if (logger32Window == 0) {
        leave();
        return;
    }
    // What Logger32 posts until the pause after the leave message has ended waits, and the
    // first of it is dropped; the rest goes its normal way.
    exchange_.hold();
    sendAndPause(4, 0, [this, leave] {
        exchange_.dropOne();
        exchange_.release();
        leave();
    });
}

void Logger32Link::shutdown()
{
    if (activity_ == Activity::Connecting) {
        exchange_.cancel();
        finish();
    }
    if (!inProgress() && isUp())
        DisconnectLogger32();
    if (!inProgress())
        return;
    // The event loop of the program has ended; this one runs the leave to its end.
    QEventLoop loop;
    connect(this, &Logger32Link::changed, &loop, [this, &loop] {
        if (!inProgress())
            loop.quit();
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void Logger32Link::finish()
{
    setActivity(Activity::Idle);
    // Messages that waited for the handshake now go where they would have gone on arrival.
    exchange_.release();
}

void Logger32Link::setActivity(Activity activity)
{
    activity_ = activity;
    emit changed();
}

void Logger32Link::setState(State state)
{
    state_ = state;
    emit changed();
}

void Logger32Link::sendAndPause(qint64 wParam, qint64 lParam, Logger32Exchange::Step next)
{
    exchange_.send(logger32Window, logger32MessageId, wParam, lParam, timing_.sendTimeout,
                   [this, next = std::move(next)] { exchange_.pause(timing_.messagePause, next); });
}

void Logger32Link::ApplicationEvents1Message(const Logger32Exchange::Message& message)
{
    const auto bearing = bearingOf(message, logger32MessageId);
    if (bearing)
        ErrorBox::guard([&] { emit bearingReceived(*bearing); });
}

std::optional<int> Logger32Link::bearingOf(const Logger32Exchange::Message& message, const QString& messageId)
{
    if (messageId.isEmpty() || message.name != messageId || message.wParam != 101)
        return std::nullopt;
    if (message.lParam < 0 || message.lParam > 360)
        return std::nullopt;
    return int(message.lParam);
}
