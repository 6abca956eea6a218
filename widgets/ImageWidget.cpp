// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/ImageWidget.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& ImageWidget::canvas()
{
    whitenToSize();
    return canvas_;
}

void ImageWidget::setCanvas(const QImage& image)
{
    canvas_ = image;
    whitened_ = image.size();
    update();
}

void ImageWidget::createScreenSurface()
{
    // Fresh memory costs a page fault per page at its first touch: megabytes of a large screen.
    canvas_ = QImage(screenSize(), QImage::Format_RGB32);
    whitened_ = QSize(0, 0);
    whitenToSize();
    update();
}

void ImageWidget::whitenToSize()
{
    const QSize reach = size().boundedTo(canvas_.size()).expandedTo(whitened_);
    if (reach == whitened_)
        return;
    QPainter painter(&canvas_);
    // Right of the part whitened before, then below it.
    painter.fillRect(whitened_.width(), 0, reach.width() - whitened_.width(), reach.height(), Qt::white);
    painter.fillRect(0, whitened_.height(), whitened_.width(), reach.height() - whitened_.height(), Qt::white);
    whitened_ = reach;
}

QSize ImageWidget::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1920, 1080);
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    whitenToSize();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPoint(0, 0), canvas_, rect());
}

void ImageWidget::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}
