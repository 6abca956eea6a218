#include "app/CursorPanel.h"

#include <QPainter>

CursorPanel::CursorPanel(QWidget* parent) : QWidget(parent)
{
}

void CursorPanel::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().brush(backgroundRole()));
}
