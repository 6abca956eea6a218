// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BeamPicture.h"
#include "rotorbridge/WebCertificate.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A picture whose every pixel tells where it is: red the column, green the row (mod 256).
QImage numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    return image;
}

// The page's beam map: Corvane's BMP sampled every n-th pixel down to at most 600 pixels, as a PNG
// any reader decodes; made again when the file changes, nothing without a readable file.
TEST(BeamPicture, TheBeamMapIsSampledDownToAPngAndFollowsItsFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("BeamKarte.bmp"));
    BeamPicture picture(path);
    EXPECT_TRUE(picture.png().isEmpty()) << "no file";
    const struct {
        int side;      // pixels of the BMP
        int shown;     // pixels of the PNG
        int step;      // every n-th pixel
    } cases[] = {{1, 1, 1}, {7, 7, 1}, {600, 600, 1}, {601, 300, 2}, {1203, 401, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        ASSERT_TRUE(numbered(c.side, c.side).save(path, "BMP"));
        const QImage shown = QImage::fromData(picture.png(), "PNG");
        ASSERT_EQ(shown.size(), QSize(c.shown, c.shown));
        for (const int at : {0, c.shown / 2, c.shown - 1})
            EXPECT_EQ(shown.pixel(at, c.shown - 1 - at) & 0xFFFFFF,
                      qRgb((at * c.step) % 256, ((c.shown - 1 - at) * c.step) % 256, 77) & 0xFFFFFF);
    }
    QFile::resize(path, 100);
    EXPECT_TRUE(picture.png().isEmpty()) << "a file cut short";
}

// A certificate the user gives must be a pair of readable PEM files; the one made at first use is
// kept and used again, so the fingerprint the browser was told stays.
TEST(WebCertificate, GivenFilesAreCheckedAndTheMadeOneIsKept)
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    QString error;
    const auto made = WebCertificate::obtain({}, {}, QHostAddress(QStringLiteral("192.0.2.7")), &error);
    ASSERT_TRUE(made) << error.toStdString();
    EXPECT_EQ(made->fingerprint().size(), 32 * 3 - 1);
    const auto again = WebCertificate::obtain({}, {}, QHostAddress(QStringLiteral("192.0.2.7")), &error);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->fingerprint(), made->fingerprint());
    const QString certificate = WebCertificate::defaultCertificatePath(), key = WebCertificate::defaultKeyPath();
    const struct {
        QString certificate, key, says;
    } refused[] = {
        {certificate, {}, QStringLiteral("nur zusammen")},
        {certificate, home.filePath(QStringLiteral("fehlt.key")), QStringLiteral("nicht lesbar")},
        {key, key, QStringLiteral("kein Zertifikat")},
        {certificate, certificate, QStringLiteral("keinen privaten Schlüssel")},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.says.toStdString());
        error.clear();
        EXPECT_FALSE(WebCertificate::obtain(c.certificate, c.key, QHostAddress(), &error));
        EXPECT_TRUE(error.contains(c.says)) << error.toStdString();
    }
    const auto given = WebCertificate::obtain(certificate, key, QHostAddress(), &error);
    ASSERT_TRUE(given) << error.toStdString();
    EXPECT_EQ(given->fingerprint(), made->fingerprint());
    qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
