// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/DecodedBitmaps.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <future>
#include <vector>

namespace {

TEST(DecodedBitmapsTest, ThreadsReadingAtOnceShareOneDecodingUntilTheFileChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Welt.bmp"));
    DecodedBitmaps bitmaps;
    const QDateTime first = QDateTime::currentDateTime().addSecs(-60);
    for (const auto& [colour, changed] :
         {std::pair {qRgb(10, 20, 30), first}, std::pair {qRgb(40, 50, 60), first.addSecs(5)}}) {
        QImage image(1200, 1000, QImage::Format_RGB32);  // large enough to be decoded on two threads
        image.fill(colour);
        ASSERT_TRUE(image.save(path, "BMP"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
        std::vector<std::future<QImage>> readers;
        for (int i = 0; i < 4; ++i)
            readers.push_back(std::async(std::launch::async, [&] { return bitmaps.read(path); }));
        const QImage own = bitmaps.read(path);
        EXPECT_EQ(own.pixel(600, 500), colour);
        for (std::future<QImage>& reader : readers)
            EXPECT_EQ(reader.get().constBits(), own.constBits()) << "one decoding, shared";
    }
}

}  // namespace
