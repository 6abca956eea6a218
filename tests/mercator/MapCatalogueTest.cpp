#include "mercator/MapCatalogue.h"

#include "geo/AppError.h"

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
    const struct {
        const char* calibration;
        bool validBitmap;
    } cases[] = {
        {"72.00N\r\n34.00N 45.00E\r\n", true},               // one hemisphere letter
        {"72.00N 25.50W\r\n", true},                         // second line missing
        {"34.00N 25.50W\r\n72.00N 45.00E\r\n", true},       // north edge south of the south edge
        {"72.00N 25.50W\r\n34.00N 25.50W\r\n", true},       // no width
        {"72.00N 25.50W\r\n34.00N 45.00E\r\n", false},      // bitmap not readable
    };
    for (const auto& c : cases) {
        write(QStringLiteral("Kaputt.inf"), c.calibration);
        if (c.validBitmap)
            writeBitmap(QStringLiteral("Kaputt.bmp"));
        else
            write(QStringLiteral("Kaputt.bmp"), "BM kein Bild");
        EXPECT_THROW(MapCatalogue::read(folder(), QStringLiteral("Kaputt")), AppError) << c.calibration;
    }
}

} // namespace
