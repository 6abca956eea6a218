// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/MessageWindow.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// The waiting steps of the Logger32 exchanges, run on the event loop instead of in place: a
// pause, a sent message and its answer, and a posted reply are each awaited by a timer or a bus
// callback, so the window keeps painting and answering input meanwhile. One step is pending at a
// time; its continuation runs when it completes, unless cancel() came first.
//
// Posted messages that no step takes go to `dispatch` as they arrive, except while a hold is on:
// then they wait in the queue for take(), as in a handshake that reads its replies from the queue.
class Logger32Exchange : public QObject {
    Q_OBJECT
public:
    using Message = MessageWindow::Message;
    using Step = std::function<void()>;
    using Reply = std::function<void(const std::optional<Message>&)>;

    explicit Logger32Exchange(std::function<void(const Message&)> dispatch, QObject* parent = nullptr);

    // The main window as Logger32 sees it.
    qint64 ownHandle() const { return window_.handle(); }

    void findWindow(const QString& windowName, int timeoutMs, std::function<void(qint64)> next);
    void pause(int ms, Step next);
    void send(qint64 window, const QString& name, qint64 wParam, qint64 lParam, int timeoutMs, Step next);
    // The next posted message, or none when timeoutMs passes without one.
    void take(int timeoutMs, Reply next);

    // From hold() on, posted messages wait for take(); release() dispatches those still waiting
    // and ends the hold.
    void hold();
    void release();
    // Removes one waiting message without dispatching it.
    void dropOne();

    // Forgets the pending step: its timer stops and a late bus answer is ignored.
    void cancel();

private:
    void onPosted();
    // Runs `next` when the bus answers, unless the step was cancelled meanwhile.
    MessageWindow::Answer guarded(std::function<void(qint64)> next);

    MessageWindow window_;
    std::function<void(const Message&)> dispatch_;
    QTimer timer_;
    Step onTimer_;
    Reply waiter_;
    bool holding_ = false;
    unsigned generation_ = 0;  // counts cancellations; an answer from an older step is stale
};
