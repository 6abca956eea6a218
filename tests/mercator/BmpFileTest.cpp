// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/BmpReader.h"
#include "mercator/BmpWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A picture whose every pixel differs from its neighbours, so that a swapped channel, row or
// column shows.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 255, (y * 53 + x * 3) & 255, (x * y + 11) & 255));
    return image;
}

QByteArray qtBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

TEST(BmpFileTest, WrittenBytesAreQtsAndReadPixelsAreQts)
{
    struct Case {
        int width, height;
        int dotsPerMeter;  // 0: none set
    };
    // Widths with each of the four row paddings, one row and one column, and a batch of rows
    // larger than the writer's buffer.
    for (const Case c : {Case {1, 1, 0}, Case {2, 3, 3780}, Case {3, 7, 2834}, Case {4, 2, 0}, Case {5, 5, 1000},
                         Case {301, 17, 3780}, Case {40000, 9, 3780}}) {
        QImage image = patterned(c.width, c.height);
        image.setDotsPerMeterX(c.dotsPerMeter);
        image.setDotsPerMeterY(c.dotsPerMeter);
        QByteArray ours;
        QBuffer buffer(&ours);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_EQ(BmpWriter::write(image, buffer), BmpWriter::Outcome::written);
        const QByteArray expected = qtBytes(image);
        EXPECT_EQ(ours, expected) << c.width << " x " << c.height;
        EXPECT_EQ(BmpWriter::fileSize(c.width, c.height), expected.size());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("b.bmp"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ours);
        file.close();
        const QImage read = BmpReader::read(path);
        EXPECT_EQ(BmpReader::decodesItself(path), c.width <= 32767) << "wider ones are left to Qt";
        EXPECT_EQ(read.format(), QImage::Format_RGB32);
        EXPECT_EQ(read, QImage(path, "BMP")) << c.width << " x " << c.height;
        EXPECT_EQ(read, image);
    }
}

TEST(BmpFileTest, OtherKindsReadAsQtReadsThem)
{
    QImage indexed = patterned(9, 4).convertToFormat(QImage::Format_Indexed8);
    QByteArray topDown = qtBytes(patterned(6, 3));
    const qint32 negative = -3;  // rows top first
    topDown.replace(22, 4, reinterpret_cast<const char*>(&negative), 4);
    const QByteArray whole = qtBytes(patterned(8, 8));
    struct Case {
        const char* name;
        QByteArray bytes;
        bool whole;  // Qt leaves the rows of a short file unset: only whether it reads is compared
    };
    for (const Case& c :
         {Case {"8 bits", qtBytes(indexed), true}, Case {"top row first", topDown, true},
          Case {"cut short", whole.left(whole.size() - 10), false}, Case {"header only", whole.left(54), false},
          Case {"not a bitmap", QByteArray("BM nothing"), true}, Case {"empty", QByteArray(), true}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("b.bmp"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const QImage qt(path, "BMP");
        const QImage read = BmpReader::read(path);
        EXPECT_FALSE(BmpReader::decodesItself(path)) << c.name;
        EXPECT_EQ(read.isNull(), qt.isNull()) << c.name;
        if (!qt.isNull() && c.whole) {
            EXPECT_EQ(read, qt.convertToFormat(QImage::Format_RGB32)) << c.name;
        }
    }
    EXPECT_TRUE(BmpReader::read(QStringLiteral("/nonexistent/b.bmp")).isNull());
    EXPECT_FALSE(BmpReader::decodesItself(QStringLiteral("/nonexistent/b.bmp")));
}

TEST(BmpFileTest, AnAbandonedWriteStopsBeforeTheRows)
{
    const std::atomic<bool> abandon {true};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_EQ(BmpWriter::write(patterned(50, 50), buffer, &abandon), BmpWriter::Outcome::abandoned);
    EXPECT_EQ(bytes.size(), 54) << "the headers only";
}

}  // namespace
