// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/TitleBarGuard.h"

#include "widgets/WindowGeometry.h"

#include <QEvent>
#include <QWidget>

TitleBarGuard::TitleBarGuard(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

void TitleBarGuard::watch(QWidget* window)
{
    TitleBarGuard* guard = window->findChild<TitleBarGuard*>(QString(), Qt::FindDirectChildrenOnly);
    if (!guard)
        guard = new TitleBarGuard(window);
    // A window moved while shown is framed already.
    if (window->isVisible())
        QMetaObject::invokeMethod(guard, &TitleBarGuard::keepOnScreen, Qt::QueuedConnection);
}

bool TitleBarGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Show)
            shownUnchecked_ = true;
        else if (event->type() == QEvent::Paint && shownUnchecked_) {
            shownUnchecked_ = false;
            // Not in the middle of the paint.
            QMetaObject::invokeMethod(this, &TitleBarGuard::keepOnScreen, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void TitleBarGuard::keepOnScreen()
{
    if (!window_->isVisible())
        return;
    const QRect frame = window_->frameGeometry();
    const QRect client = window_->geometry();
    const QPoint shift =
        WindowGeometry::titleBarShift(frame, client.top() - frame.top(), WindowGeometry::screenAreas());
    if (!shift.isNull())
        window_->setGeometry(client.translated(shift));
}
