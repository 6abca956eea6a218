// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/BmpReader.h"

#include "mapfiles/Bmp24File.h"
#include "mapfiles/LargeImage.h"

#include <thread>

namespace {

constexpr qint64 parallelFrom = 4 * 1024 * 1024;  // bytes of pixels in the file

// The 24-bit file this reader decodes itself from its mapped rows, or a null image for anything
// else.
QImage decode24(const QString& path)
{
    Bmp24File layout(path);
    const uchar* const mapped = layout.mapWhole();
    if (!mapped)
        return {};
    const int width = layout.size().width(), height = layout.size().height();
    QImage image = LargeImage::rgb32(width, height);
    if (image.isNull())
        return {};
    image.setDotsPerMeterX(layout.dotsPerMeterX());
    image.setDotsPerMeterY(layout.dotsPerMeterY());
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    // File rows first .. end - 1 (the bottom row first), in the order they lie in the file.
    const auto decode = [&](int first, int end) {
        for (int fileRow = first; fileRow < end; ++fileRow) {
            const int y = height - 1 - fileRow;
            QRgb* const pixel = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
            const uchar* in = mapped + layout.rowOffset(y);
            for (int x = 0; x < width; ++x, in += 3)
                pixel[x] = qRgb(in[2], in[1], in[0]);
        }
    };
    // A large map in two halves at once: most of the time goes to the first touch of its memory.
    if (qint64(width) * 3 * height < parallelFrom) {
        decode(0, height);
        return image;
    }
    std::thread lower(decode, 0, height / 2);
    decode(height / 2, height);
    lower.join();
    return image;
}

}  // namespace

QImage BmpReader::read(const QString& path)
{
    QImage image = decode24(path);
    if (!image.isNull())
        return image;
    image = QImage(path, "BMP");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}
