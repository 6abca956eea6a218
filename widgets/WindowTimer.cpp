// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowTimer.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

WindowTimer::WindowTimer(QWidget* window, int intervalMs)
    : QObject(window),
      window_(window),
      timer_(new QTimer(this))
{
    timer_->setInterval(intervalMs);
    connect(timer_, &QTimer::timeout, this, &WindowTimer::timeout);
    window_->installEventFilter(this);
}

void WindowTimer::start()
{
    started_ = true;
    follow(window_->isVisible());
}

void WindowTimer::stop()
{
    started_ = false;
    follow(window_->isVisible());
}

bool WindowTimer::isTicking() const
{
    return timer_->isActive();
}

void WindowTimer::setInterval(int ms)
{
    timer_->setInterval(ms);
}

bool WindowTimer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        follow(event->type() == QEvent::Show);
    return false;
}

void WindowTimer::follow(bool shown)
{
    const bool tick = started_ && shown;
    if (tick && !timer_->isActive()) {
        timer_->start();
    } else if (!tick && timer_->isActive()) {
        timer_->stop();
        // What the window did in the last interval is not lost with the hiding. Posted, so that
        // it never reaches a window that is being destroyed: this timer goes with it.
        if (started_)
            QTimer::singleShot(0, this, &WindowTimer::timeout);
    }
}
