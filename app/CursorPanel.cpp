// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/CursorPanel.h"

#include <QPainter>

CursorPanel::CursorPanel(QWidget* parent) : QWidget(parent)
{
}

void CursorPanel::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().brush(backgroundRole()));
}
