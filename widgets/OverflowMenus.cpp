// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/OverflowMenus.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

OverflowMenus::OverflowMenus(QMenuBar* bar) : QObject(bar), bar_(bar)
{
    for (const QAction* item : bar->actions())
        if (QMenu* menu = item->menu())
            menu->installEventFilter(this);
}

bool OverflowMenus::eventFilter(QObject* watched, QEvent* event)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || event->type() != QEvent::Show)
        return QObject::eventFilter(watched, event);
    // Qt's overflow button, shown while items do not fit.
    const auto* overflow = bar_->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    const bool fromOverflowList = overflow && overflow->menu() && overflow->menu()->isVisible();
    if (!overflow || overflow->isHidden() || fromOverflowList ||
        bar_->actionGeometry(menu->menuAction()).right() < overflow->x())
        return QObject::eventFilter(watched, event);
    // Right-aligned below the button, kept on its screen. Pixels.
    const QRect screen = overflow->screen()->availableGeometry();
    const QPoint below = overflow->mapToGlobal(QPoint(overflow->width() - menu->width(), overflow->height()));
    menu->move(std::clamp(below.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - menu->width())),
               std::min(below.y(), std::max(screen.top(), screen.bottom() + 1 - menu->height())));
    return QObject::eventFilter(watched, event);
}
