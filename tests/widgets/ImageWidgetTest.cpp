// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/ImageWidget.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The screen surface is white wherever it was not drawn on, as far as the widget ever reached,
// however it grew (wider, taller, both, after shrinking), and what was drawn stays; drawing may
// follow a resize of a hidden widget before its resize event.
TEST(ImageWidgetTest, TheSurfaceIsWhiteWhereNothingWasDrawn)
{
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
    ImageWidget image;
    image.resize(100, 50);
    image.createScreenSurface();
    ASSERT_EQ(image.canvas().size(), ImageWidget::screenSize());
    const QSize sizes[] = {{100, 50}, {180, 50}, {180, 120}, {60, 40}, {250, 30}, {250, 200}};
    int drawn = 0;  // pixels of the red diagonal drawn so far
    for (const QSize& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        image.resize(size);
        QImage& canvas = image.canvas();
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(canvas.pixel(x, y), x == y && x < drawn ? red : white) << x << ", " << y;
        drawn = std::max(drawn, std::min(size.width(), size.height()));
        for (int i = 0; i < drawn; ++i)
            canvas.setPixel(i, i, red);
    }
}

}  // namespace
