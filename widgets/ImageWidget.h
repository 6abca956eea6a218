// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>
#include <QWidget>

// A picture control: shows the top-left part of its drawing surface, as large as the widget.
// The surface may be larger than the widget so that the widget can grow without a new surface.
// The surface has the screen's device pixel ratio: painters on it take the widget's pixels
// (logical pixels) and draw lines and text at the screen's full resolution.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent = nullptr);

    // The surface, white where nothing was drawn, as far as the widget ever reached.
    QImage& canvas();
    void setCanvas(const QImage& image);
    // A white surface as large as the screen, so the image can grow without a new surface, at the
    // widget's device pixel ratio. Its memory is touched only as far as the widget reaches: the
    // rest turns white when it grows.
    void createScreenSurface();

    static QSize screenSize();  // pixels of the primary screen
    // The widget pixel under the mouse. On a screen of a fractional ratio the mouse stands between
    // widget pixels: it is in the one whose square holds it, not the nearest corner's.
    static QPoint pixelAt(const QMouseEvent* event);

signals:
    // The widget moved to a screen of another device pixel ratio: the surface was made anew for
    // it, white, and waits for the picture.
    void surfaceRenewed();
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Whitens the part of the surface up to the widget's size that was never whitened.
    void whitenToSize();
    // The widget's size in the surface's device pixels.
    QSize deviceSize() const;

    QImage canvas_;
    QSize whitened_;  // device pixels: the top-left part of the surface that was whitened or given
};
