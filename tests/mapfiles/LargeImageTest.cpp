// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/LargeImage.h"

#include <gtest/gtest.h>

TEST(LargeImageTest, BehavesAsAnOrdinaryImageOfItsSize)
{
    // Small ones are ordinary images; large ones live in memory of their own.
    for (const QSize size : {QSize(3, 2), QSize(2500, 2500), QSize(3600, 1800), QSize(5000, 1)}) {
        QImage image = LargeImage::rgb32(size.width(), size.height());
        const QImage ordinary(size, QImage::Format_RGB32);
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.dotsPerMeterX(), ordinary.dotsPerMeterX());
        EXPECT_EQ(image.dotsPerMeterY(), ordinary.dotsPerMeterY());
        image.fill(Qt::red);
        const uchar* const memory = image.constBits();
        image.setPixel(size.width() - 1, size.height() - 1, qRgb(0, 0, 255));
        EXPECT_EQ(image.constBits(), memory) << "written in place";
        QImage copy = image;
        copy.setPixel(0, 0, qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0)) << "a copy changes on its own";
        EXPECT_EQ(copy.pixel(size.width() - 1, size.height() - 1), qRgb(0, 0, 255));
    }
}
