// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowPlace.h"

#include "widgets/TitleBarGuard.h"
#include "widgets/WindowGeometry.h"

#include <QLayout>
#include <QWidget>

QPoint WindowPlace::of(const QWidget* window)
{
    return window->geometry().topLeft();
}

QSize WindowPlace::settledSize(QWidget* window)
{
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    return window->size();
}

void WindowPlace::restore(QWidget* window, const QPoint& place)
{
    const QSize size = settledSize(window);
    window->setGeometry(
        QRect(WindowGeometry::onScreen(place.x(), place.y(), size.width(), size.height()).topLeft(), size));
    TitleBarGuard::watch(window);
}

void WindowPlace::restore(QWidget* window, int left, int top, int width, int height)
{
    window->setGeometry(WindowGeometry::onScreen(left, top, width, height));
    TitleBarGuard::watch(window);
}
