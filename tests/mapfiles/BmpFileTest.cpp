// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/Bmp24File.h"
#include "mapfiles/BmpReader.h"
#include "mapfiles/BmpWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

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

// The path of a file b.bmp of these bytes in the folder.
QString written(const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile file(dir.filePath(QStringLiteral("b.bmp")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
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
    // Width and height with each of the four row paddings, one row and one column, and a batch of rows
    // larger than the writer's buffer; dots per metre, 0 for none set.
    const std::tuple<int, int, int> cases[] = {{1, 1, 0},    {2, 3, 3780},    {3, 7, 2834},    {4, 2, 0},
                                               {5, 5, 1000}, {301, 17, 3780}, {40000, 9, 3780}};
    for (const auto& [width, height, dotsPerMeter] : cases) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        QImage image = patterned(width, height);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        QByteArray ours;
        QBuffer buffer(&ours);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_EQ(BmpWriter::write(image, buffer), BmpWriter::Outcome::written);
        const QByteArray expected = qtBytes(image);
        EXPECT_EQ(ours, expected);
        EXPECT_EQ(BmpWriter::fileSize(width, height), expected.size());
        QTemporaryDir dir;
        const QString path = written(dir, ours);
        const QImage read = BmpReader::read(path);
        EXPECT_EQ(Bmp24File(path).isValid(), width <= 32767) << "wider ones are left to Qt";
        EXPECT_EQ(read.format(), QImage::Format_RGB32);
        EXPECT_EQ(read, QImage(path, "BMP"));
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
    for (const auto& [name, bytes, readWhole] :
         {Case {"8 bits", qtBytes(indexed), true}, Case {"top row first", topDown, true},
          Case {"cut short", whole.left(whole.size() - 10), false}, Case {"header only", whole.left(54), false},
          Case {"not a bitmap", QByteArray("BM nothing"), true}, Case {"empty", QByteArray(), true}}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = written(dir, bytes);
        const QImage qt(path, "BMP");
        const QImage read = BmpReader::read(path);
        EXPECT_FALSE(Bmp24File(path).isValid());
        EXPECT_EQ(read.isNull(), qt.isNull());
        if (!qt.isNull() && readWhole) {
            EXPECT_EQ(read, qt.convertToFormat(QImage::Format_RGB32));
        }
    }
    EXPECT_TRUE(BmpReader::read(QStringLiteral("/nonexistent/b.bmp")).isNull());
    EXPECT_FALSE(Bmp24File(QStringLiteral("/nonexistent/b.bmp")).isValid());
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
