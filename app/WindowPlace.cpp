#include "app/WindowPlace.h"

#include <QWidget>

QPoint WindowPlace::of(const QWidget* window)
{
    return window->geometry().topLeft();
}

void WindowPlace::restore(QWidget* window, const QPoint& place)
{
    window->setGeometry(QRect(place, window->size()));
}
