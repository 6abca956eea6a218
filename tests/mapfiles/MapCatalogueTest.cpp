// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/MapCatalogue.h"

#include "base/AppError.h"
#include "mapfiles/DecodedBitmaps.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace {

class MapCatalogueTest : public testing::Test {
protected:
    QString folder() const { return dir.path() + u'/'; }
    DecodedBitmaps bitmaps;

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeBitmap(const QString& name, QSize size = {40, 20}, QRgb colour = qRgb(0, 0, 255)) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(folder() + name, "BMP"));
    }

    QTemporaryDir dir;
};

TEST_F(MapCatalogueTest, CaptionsAreTheNamesUpToTheFirstPoint)
{
    for (const char* name : {"Welt.inf", "Europa.Nord.inf", ".Versteckt.inf", "Welt.bmp"})
        write(name, "");
    EXPECT_EQ(MapCatalogue::menuCaptions(folder()),
              QStringList({QString(), QStringLiteral("Europa"), QStringLiteral("Welt")}));
}

TEST_F(MapCatalogueTest, BrokenPairsAreRefused)
{
    const QByteArray huge(400, '9');  // reads as infinity
    const std::pair<QByteArray, bool> cases[] = {
        {"72.00N\r\n34.00N 45.00E\r\n", true},          // one hemisphere letter
        {"72.00N 25.50W\r\n", true},                    // second line missing
        {"34.00N 25.50W\r\n72.00N 45.00E\r\n", true},   // north edge south of the south edge
        {"72.00N 25.50W\r\n34.00N 25.50W\r\n", true},   // no width
        {"72.00N 25.50W\r\n34.00N 45.00E\r\n", false},  // bitmap not readable
        // Corners off the globe or not finite, each otherwise in the right order.
        {huge + ".00N 25.50W\r\n34.00N 45.00E\r\n", true},
        {"72.00N 25.50W\r\n" + huge + ".00S 45.00E\r\n", true},
        {"72.00N " + huge + ".00W\r\n34.00N 45.00E\r\n", true},
        {"72.00N 25.50W\r\n34.00N " + huge + ".00E\r\n", true},
        {"90.60N 25.50W\r\n34.00N 45.00E\r\n", true},  // 90 degrees 36 minutes
        {"72.00N 180.60W\r\n34.00N 45.00E\r\n", true},
        {"72.00N 25.50W\r\n90.60S 180.60E\r\n", true},
    };
    for (const auto& [calibration, validBitmap] : cases) {
        write(QStringLiteral("Kaputt.inf"), calibration);
        if (validBitmap)
            writeBitmap(QStringLiteral("Kaputt.bmp"));
        else
            write(QStringLiteral("Kaputt.bmp"), "BM kein Bild");
        EXPECT_THROW(MapCatalogue::read(bitmaps, folder(), "Kaputt"), AppError) << calibration.left(80).constData();
    }
    // The whole globe, edges included, is a map.
    write(QStringLiteral("Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
    writeBitmap(QStringLiteral("Welt.bmp"));
    EXPECT_TRUE(MapCatalogue::read(bitmaps, folder(), QStringLiteral("Welt")).has_value());
}

TEST_F(MapCatalogueTest, AMapIsDecodedOnceUntilItsFileChanges)
{
    write(QStringLiteral("Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
    const QString path = folder() + QStringLiteral("Welt.bmp");
    writeBitmap(QStringLiteral("Welt.bmp"));
    // The new file's size and colour; whether its time of change is put back as it was.
    const std::tuple<const char*, QSize, QRgb, bool> cases[] = {
        {"rewritten, same size", {40, 20}, qRgb(255, 0, 0), false},
        {"another size", {41, 20}, qRgb(0, 255, 0), false},
        {"same size and time", {41, 20}, qRgb(0, 0, 255), true},
    };
    for (const auto& [name, size, colour, sameTime] : cases) {
        SCOPED_TRACE(name);
        const auto read = [this] { return MapCatalogue::read(bitmaps, folder(), QStringLiteral("Welt")); };
        const std::optional<MapCatalogue::Map> first = read(), again = read();
        ASSERT_TRUE(first && again);
        EXPECT_EQ(first->bitmap.constBits(), again->bitmap.constBits()) << "shared, not decoded again";
        const QDateTime changed = QFileInfo(path).lastModified();
        writeBitmap(QStringLiteral("Welt.bmp"), size, colour);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(sameTime ? changed : changed.addSecs(2), QFileDevice::FileModificationTime));
        file.close();
        const std::optional<MapCatalogue::Map> changedMap = read();
        ASSERT_TRUE(changedMap);
        EXPECT_EQ(changedMap->bitmap.pixel(0, 0), sameTime ? first->bitmap.pixel(0, 0) : colour);
    }
}

}  // namespace
