// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/MapCatalogue.h"

#include "base/AppError.h"
#include "mercator/DecodedBitmaps.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    void writeBitmap(const QString& name) const
    {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(folder() + name, "BMP"));
    }

    QTemporaryDir dir;
};

TEST_F(MapCatalogueTest, CaptionsAreTheNamesUpToTheFirstPoint)
{
    write(QStringLiteral("Welt.inf"), "");
    write(QStringLiteral("Europa.Nord.inf"), "");
    write(QStringLiteral(".Versteckt.inf"), "");
    write(QStringLiteral("Welt.bmp"), "");
    EXPECT_EQ(MapCatalogue::menuCaptions(folder()),
              QStringList({QString(), QStringLiteral("Europa"), QStringLiteral("Welt")}));
}

TEST_F(MapCatalogueTest, BrokenPairsAreRefused)
{
    const QByteArray huge(400, '9');  // reads as infinity
    const struct {
        QByteArray calibration;
        bool validBitmap;
    } cases[] = {
        {"72.00N\r\n34.00N 45.00E\r\n", true},               // one hemisphere letter
        {"72.00N 25.50W\r\n", true},                         // second line missing
        {"34.00N 25.50W\r\n72.00N 45.00E\r\n", true},       // north edge south of the south edge
        {"72.00N 25.50W\r\n34.00N 25.50W\r\n", true},       // no width
        {"72.00N 25.50W\r\n34.00N 45.00E\r\n", false},      // bitmap not readable
        // Corners off the globe or not finite, each otherwise in the right order.
        {huge + ".00N 25.50W\r\n34.00N 45.00E\r\n", true},
        {"72.00N 25.50W\r\n" + huge + ".00S 45.00E\r\n", true},
        {"72.00N " + huge + ".00W\r\n34.00N 45.00E\r\n", true},
        {"72.00N 25.50W\r\n34.00N " + huge + ".00E\r\n", true},
        {"90.60N 25.50W\r\n34.00N 45.00E\r\n", true},  // 90 degrees 36 minutes
        {"72.00N 180.60W\r\n34.00N 45.00E\r\n", true},
        {"72.00N 25.50W\r\n90.60S 180.60E\r\n", true},
    };
    for (const auto& c : cases) {
        write(QStringLiteral("Kaputt.inf"), c.calibration);
        if (c.validBitmap)
            writeBitmap(QStringLiteral("Kaputt.bmp"));
        else
            write(QStringLiteral("Kaputt.bmp"), "BM kein Bild");
        EXPECT_THROW(MapCatalogue::read(bitmaps, folder(), QStringLiteral("Kaputt")), AppError) << c.calibration.left(80).constData();
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
    struct Case {
        const char* name;
        QSize size;
        bool sameTime;  // the file's time of change put back as it was
        QRgb colour;    // of the new file
    };
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path, "BMP"));
    for (const Case c : {Case{"rewritten, same size", {40, 20}, false, qRgb(255, 0, 0)},
                         Case{"another size", {41, 20}, false, qRgb(0, 255, 0)},
                         Case{"same size and time", {41, 20}, true, qRgb(0, 0, 255)}}) {
        const std::optional<MapCatalogue::Map> first = MapCatalogue::read(bitmaps, folder(), QStringLiteral("Welt"));
        const std::optional<MapCatalogue::Map> again = MapCatalogue::read(bitmaps, folder(), QStringLiteral("Welt"));
        ASSERT_TRUE(first && again) << c.name;
        EXPECT_EQ(first->bitmap.constBits(), again->bitmap.constBits()) << c.name << ": shared, not decoded again";
        const QDateTime changed = QFileInfo(path).lastModified();
        QImage next(c.size, QImage::Format_RGB32);
        next.fill(c.colour);
        ASSERT_TRUE(next.save(path, "BMP"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(c.sameTime ? changed : changed.addSecs(2), QFileDevice::FileModificationTime));
        file.close();
        const std::optional<MapCatalogue::Map> changedMap = MapCatalogue::read(bitmaps, folder(), QStringLiteral("Welt"));
        ASSERT_TRUE(changedMap) << c.name;
        EXPECT_EQ(changedMap->bitmap.pixel(0, 0), c.sameTime ? first->bitmap.pixel(0, 0) : c.colour) << c.name;
    }
}

} // namespace
