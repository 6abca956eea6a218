// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowPlace.h"

#include "widgets/WindowGeometry.h"

#include <QWidget>

QPoint WindowPlace::of(const QWidget* window)
{
    return window->geometry().topLeft();
}

void WindowPlace::restore(QWidget* window, const QPoint& place)
{
    window->setGeometry(QRect(WindowGeometry::position(place.x(), place.y(), window->size()), window->size()));
}
