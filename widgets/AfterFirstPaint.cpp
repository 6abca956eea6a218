// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

void AfterFirstPaint::run(QWidget* window, std::function<void()> task)
{
    new AfterFirstPaint(window, std::move(task));  // a child of the window
}

AfterFirstPaint::AfterFirstPaint(QWidget* window, std::function<void()> task) : QObject(window), task_(std::move(task))
{
    window->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After the paint has reached the screen: the picture is flushed once this event is done.
        QTimer::singleShot(0, this, [this] {
            task_();
            deleteLater();
        });
    }
    return false;
}
