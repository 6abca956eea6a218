// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BorderFill.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128);

// A 20 x 20 white picture with a black square outline from (5, 5) to (14, 14) and a grey pixel
// inside it.
QImage boxed()
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(5, 5, 9, 9);
    painter.end();
    image.setPixel(9, 9, grey);
    return image;
}

TEST(BorderFillTest, FillsFromTheSeedUpToTheBorderColourOnly)
{
    QImage outside = boxed();
    BorderFill::fill(outside, {0, 0}, black, grey);
    EXPECT_EQ(outside.pixel(19, 19), grey);
    EXPECT_EQ(outside.pixel(5, 5), black);
    EXPECT_EQ(outside.pixel(7, 7), white);
    // Inside, over a pixel that already has the fill colour.
    QImage inside = boxed();
    BorderFill::fill(inside, {9, 9}, black, grey);
    EXPECT_EQ(inside.pixel(6, 6), grey);
    EXPECT_EQ(inside.pixel(13, 13), grey);
    EXPECT_EQ(inside.pixel(4, 4), white);
    // A seed on the border or outside the picture changes nothing.
    QImage unchanged = boxed();
    for (const QPoint seed : {QPoint(5, 5), QPoint(-1, 3), QPoint(20, 3)})
        BorderFill::fill(unchanged, seed, black, grey);
    EXPECT_EQ(unchanged, boxed());
}

TEST(BorderFillTest, DiagonalGapsDoNotLeak)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(white);
    for (int i = 0; i < 10; ++i)
        image.setPixel(i, 9 - i, black);  // a one-pixel diagonal, connected only at corners
    BorderFill::fill(image, {0, 0}, black, grey);
    EXPECT_EQ(image.pixel(0, 0), grey);
    EXPECT_EQ(image.pixel(9, 9), white);
}

}  // namespace
