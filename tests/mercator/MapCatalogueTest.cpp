#include "mercator/MapCatalogue.h"

#include "base/AppError.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MapCatalogueTest : public testing::Test {
protected:
    QString folder() const { return dir.path() + u'/'; }

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
        EXPECT_THROW(MapCatalogue::read(folder(), QStringLiteral("Kaputt")), AppError) << c.calibration.left(80).constData();
    }
    // The whole globe, edges included, is a map.
    write(QStringLiteral("Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
    writeBitmap(QStringLiteral("Welt.bmp"));
    EXPECT_TRUE(MapCatalogue::read(folder(), QStringLiteral("Welt")).has_value());
}

} // namespace
