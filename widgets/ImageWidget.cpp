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

void ImageWidget::setCanvas(const QImage& image)
{
    canvas_ = image;
    update();
}

void ImageWidget::createScreenSurface()
{
    QImage surface(screenSize(), QImage::Format_RGB32);
    surface.fill(Qt::white);
    setCanvas(surface);
}

QSize ImageWidget::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1920, 1080);
}

void ImageWidget::paintEvent(QPaintEvent*)
{
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
