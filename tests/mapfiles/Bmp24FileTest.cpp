// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/Bmp24File.h"
#include "mercator/MercatorPicture.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every pixel of its own colour, so that a pixel taken from the wrong place shows.
QImage numbered(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x >> 8) << 4 | (y >> 8)));
    return image;
}

// The map part copied from the file is the one the decoded bitmap gives, pixel for pixel, for
// shrinking and enlarging views, one pixel per pixel, views beyond the map (white margin), odd
// sizes, and a surface larger than the shown picture, whose rest stays as it was.
TEST(Bmp24File, MapPartFromTheFileIsTheBitmapsPicture)
{
    struct Row {
        const char* name;
        QSize bitmap, shown;
        MapView whole, view;  // degrees: top, bottom, right, left
    };
    const MapView world {90, -90, 180, -180};
    const Row rows[] = {
        {"world shrunk", {997, 503}, {400, 211}, world, world},
        {"world enlarged", {97, 53}, {640, 333}, world, world},
        {"one pixel per pixel", {360, 180}, {360, 180}, world, world},
        {"zoomed, fractional edges", {997, 503}, {500, 300}, world, {61.37L, 12.9L, 41.234L, -12.71L}},
        {"zoomed in far", {360, 180}, {700, 500}, world, {52.5L, 50.25L, 8.75L, 5.5L}},
        {"view beyond the map", {300, 200}, {450, 250}, {60, -30, 40, -50}, {80, -50, 60, -70}},
        {"regional map", {501, 377}, {613, 401}, {72, 34, 45, -25}, {72, 34, 45, -25}},
    };
    const QTemporaryDir folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage bitmap = numbered(row.bitmap);
        const QString path = folder.filePath(QString::fromLatin1(row.name) + QStringLiteral(".bmp"));
        ASSERT_TRUE(bitmap.save(path, "BMP"));
        const Bmp24File file(path);
        ASSERT_TRUE(file.isValid());
        ASSERT_EQ(file.size(), row.bitmap);
        QImage decoded(row.shown + QSize(37, 23), QImage::Format_RGB32);
        decoded.fill(qRgb(1, 2, 3));
        QImage sampled = decoded;
        MercatorPicture(decoded, row.shown, row.view).copyMapPart(bitmap, row.whole);
        MercatorPicture(sampled, row.shown, row.view).copyMapPart(file, row.whole);
        EXPECT_TRUE(sampled == decoded);
        EXPECT_EQ(decoded.pixel(row.shown.width(), 0), qRgb(1, 2, 3));
    }
}

// Only an uncompressed 24-bit file with all its rows is read in place; anything else is left to
// the decoder.
TEST(Bmp24File, OnlyWhole24BitFilesAreValid)
{
    const QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("good.bmp"));
    ASSERT_TRUE(numbered({5, 3}).save(good, "BMP"));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto written = [&](const char* name, const QByteArray& content) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
        return path;
    };
    QByteArray eightBit = bytes;
    eightBit[28] = 8;
    EXPECT_TRUE(Bmp24File(good).isValid());
    const Bmp24File read(good);
    uchar row[5 * 3];
    ASSERT_TRUE(read.readRow(2, row));
    EXPECT_EQ(qRgb(row[5], row[4], row[3]), qRgb(1, 2, 0));
    // Cut short after its headers were read: the rows beyond its end are not there.
    QFile::resize(good, bytes.size() - 4);
    EXPECT_FALSE(read.readRow(0, row));
    EXPECT_TRUE(read.readRow(2, row));
    for (const auto& [name, content] : {std::pair("cut.bmp", bytes.left(bytes.size() - 1)),
                                        std::pair("8bit.bmp", eightBit), std::pair("empty.bmp", QByteArray())}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Bmp24File(written(name, content)).isValid());
    }
    EXPECT_FALSE(Bmp24File(folder.filePath(QStringLiteral("missing.bmp"))).isValid());
}

}  // namespace
