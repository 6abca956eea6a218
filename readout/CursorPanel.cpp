// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/CursorPanel.h"

#include "readout/CursorReadout.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

CursorPanel::CursorPanel(QWidget* parent, int hideAfterMs) : QWidget(parent), hideTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("P_Cursor"));
    resize(designedWidth, designedHeight);
    const int tops[] = {7, 20, 33, 46};  // pixels
    for (int i = 0; i < CursorPanelFit::lineCount; ++i) {
        QLabel* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setGeometry(7, tops[i], designedWidth - 7, 13);
        // The lines are plain text; a label left to guess checks every new text for markup.
        label->setTextFormat(Qt::PlainText);
        lines_[std::size_t(i)] = label;
    }
    hide();
    hideTimer_->setInterval(hideAfterMs);
    hideTimer_->setSingleShot(true);
    connect(hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void CursorPanel::showLines(const QString& position, const QString& distance, const QString& bearing,
                            const QString& country)
{
    const CursorPanelFit::Lines texts {position, distance, bearing, country};
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setText(texts[i]);
    // The panel keeps its designed width unless a line needs more in the font at hand.
    const int widest =
        fit_.widest(texts, lines_[0]->font(), [&](int line) { return lines_[std::size_t(line)]->sizeHint().width(); });
    const int margin = lines_[0]->x();  // pixels, on either side
    const int panelWidth = std::max(int(designedWidth), widest + 2 * margin);
    if (panelWidth == width())
        return;
    resize(panelWidth, height());
    for (QLabel* label : lines_)
        label->resize(panelWidth - margin, label->height());
}

void CursorPanel::placeBeside(QPoint mouse, QSize image)
{
    move(CursorReadout::panelPlace(mouse, size(), image));
}

void CursorPanel::showOnTop()
{
    hideTimer_->start();  // restarts the time
    raise();
    show();
}

void CursorPanel::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().brush(backgroundRole()));
}
