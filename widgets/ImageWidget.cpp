// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/ImageWidget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

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
    const qreal ratio = devicePixelRatioF();
    // Fresh memory costs a page fault per page at its first touch: megabytes of a large screen.
    canvas_ = QImage(QSizeF(screenSize() * ratio).toSize(), QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
    whitened_ = QSize(0, 0);
    whitenToSize();
    update();
}

QSize ImageWidget::deviceSize() const
{
    const qreal ratio = canvas_.devicePixelRatio();
    return {int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio))};
}

void ImageWidget::whitenToSize()
{
    const QSize reach = deviceSize().boundedTo(canvas_.size()).expandedTo(whitened_);
    if (reach == whitened_)
        return;
    // Right of the part whitened before, then below it; written straight into the rows, whose
    // pixels the surface's ratio does not change.
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < reach.height(); ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(canvas_.scanLine(y));
        const int from = y < whitened_.height() ? whitened_.width() : 0;
        std::fill(row + from, row + reach.width(), white);
    }
    whitened_ = reach;
}

QSize ImageWidget::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1920, 1080);
}

QPoint ImageWidget::pixelAt(const QMouseEvent* event)
{
    const QPointF position = event->position();
    return {int(std::floor(position.x())), int(std::floor(position.y()))};
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    if (!canvas_.isNull() && canvas_.devicePixelRatio() != devicePixelRatioF()) {
        createScreenSurface();
        emit surfaceRenewed();
    }
    whitenToSize();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QRectF(rect()), canvas_, QRectF(QPointF(0, 0), QSizeF(deviceSize())));
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
