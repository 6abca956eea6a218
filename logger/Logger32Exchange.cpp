// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "logger/Logger32Exchange.h"

#include "widgets/ErrorBox.h"

#include <QCoreApplication>

Logger32Exchange::Logger32Exchange(std::function<void(const Message&)> dispatch, QObject* parent)
    : QObject(parent),
      window_(ErrorBox::programTitle, QCoreApplication::applicationPid()),
      dispatch_(std::move(dispatch))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);  // the pauses are part of the protocol's timing
    connect(&timer_, &QTimer::timeout, this, [this] {
        const Step step = std::move(onTimer_);
        onTimer_ = nullptr;
        if (step)
            step();
    });
    connect(&window_, &MessageWindow::posted, this, &Logger32Exchange::onPosted);
}

void Logger32Exchange::findWindow(const QString& windowName, int timeoutMs, std::function<void(qint64)> next)
{
    MessageWindow::askHandle(windowName, timeoutMs, this, guarded(std::move(next)));
}

void Logger32Exchange::pause(int ms, Step next)
{
    onTimer_ = std::move(next);
    timer_.start(ms);
}

void Logger32Exchange::send(qint64 window, const QString& name, qint64 wParam, qint64 lParam, int timeoutMs, Step next)
{
    MessageWindow::sendMessage(window, name, wParam, lParam, timeoutMs, this,
                               guarded([next = std::move(next)](qint64) { next(); }));
}

void Logger32Exchange::take(int timeoutMs, Reply next)
{
    Message message;
    if (window_.takePosted(message)) {
        next(message);
        return;
    }
    waiter_ = std::move(next);
    pause(timeoutMs, [this] {
        const Reply waiter = std::move(waiter_);
        waiter_ = nullptr;
        waiter(std::nullopt);
    });
}

void Logger32Exchange::onPosted()
{
    if (waiter_) {
        timer_.stop();
        onTimer_ = nullptr;
        const Reply waiter = std::move(waiter_);
        waiter_ = nullptr;
        Message message;
        window_.takePosted(message);
        waiter(message);
    } else if (!holding_) {
        release();
    }
}

void Logger32Exchange::hold()
{
    holding_ = true;
}

void Logger32Exchange::release()
{
    holding_ = false;
    Message message;
    while (window_.takePosted(message))
        dispatch_(message);
}

void Logger32Exchange::dropOne()
{
    window_.dropPosted();
}

void Logger32Exchange::cancel()
{
    timer_.stop();
    onTimer_ = nullptr;
    waiter_ = nullptr;
    ++generation_;
}

MessageWindow::Answer Logger32Exchange::guarded(std::function<void(qint64)> next)
{
    return [this, generation = generation_, next = std::move(next)](qint64 answer) {
        if (generation == generation_)
            next(answer);
    };
}
