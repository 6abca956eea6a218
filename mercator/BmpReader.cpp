// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/BmpReader.h"

#include "mercator/LargeImage.h"

#include <QFile>

#include <optional>
#include <thread>

namespace {

constexpr qint64 parallelFrom = 4 * 1024 * 1024;  // bytes of pixels in the file

quint32 get32(const uchar* at)
{
    return quint32(at[0]) | quint32(at[1]) << 8 | quint32(at[2]) << 16 | quint32(at[3]) << 24;
}

quint16 get16(const uchar* at)
{
    return quint16(at[0] | at[1] << 8);
}

// The layout of a file this reader decodes itself: uncompressed 24-bit, every row there.
struct Layout {
    qint32 width, height;  // pixels
    quint32 offset;        // bytes from the file's start to the bottom row
    qint64 bytesPerRow;    // bytes, rounded up to whole 32-bit words
};

// The layout from the file's first bytes (available of them, at least the headers) and its whole
// size in bytes, or nothing for any other kind of file or one cut short.
std::optional<Layout> layoutOf(const uchar* file, qint64 available, qint64 fileSize)
{
    constexpr int headers = 14 + 40;  // file header and the Windows info header, bytes
    if (available < headers || file[0] != 'B' || file[1] != 'M' || get32(file + 14) != 40 || get16(file + 26) != 1 ||
        get16(file + 28) != 24 || get32(file + 30) != 0)
        return std::nullopt;
    const qint32 width = qint32(get32(file + 18)), height = qint32(get32(file + 22));
    const quint32 offset = get32(file + 10);
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || offset < headers)
        return std::nullopt;
    const qint64 bytesPerRow = ((qint64(width) * 24 + 31) / 32) * 4;
    if (offset + bytesPerRow * height > fileSize)
        return std::nullopt;
    return Layout {width, height, offset, bytesPerRow};
}

// The 24-bit file this reader decodes itself, or a null image for anything else.
QImage decode24(const uchar* file, qint64 size)
{
    const std::optional<Layout> layout = layoutOf(file, size, size);
    if (!layout)
        return {};
    const qint32 width = layout->width, height = layout->height;
    const quint32 offset = layout->offset;
    const qint64 bytesPerRow = layout->bytesPerRow;
    QImage image = LargeImage::rgb32(width, height);
    if (image.isNull())
        return {};
    image.setDotsPerMeterX(qint32(get32(file + 38)));
    image.setDotsPerMeterY(qint32(get32(file + 42)));
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    // File rows first .. end - 1 (the bottom row first) into their image rows.
    const auto decode = [&](int first, int end) {
        const uchar* row = file + offset + bytesPerRow * first;
        for (int fileRow = first; fileRow < end; ++fileRow, row += bytesPerRow) {
            QRgb* const pixel = reinterpret_cast<QRgb*>(bits + (height - 1 - fileRow) * bytesPerLine);
            const uchar* in = row;
            for (int x = 0; x < width; ++x, in += 3)
                pixel[x] = qRgb(in[2], in[1], in[0]);
        }
    };
    // A large map in two halves at once: most of the time goes to the first touch of its memory.
    if (bytesPerRow * height < parallelFrom) {
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
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const qint64 size = file.size();
        if (const uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
            QImage image = decode24(mapped, size);
            file.unmap(const_cast<uchar*>(mapped));
            if (!image.isNull())
                return image;
        }
    }
    QImage image(path, "BMP");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

bool BmpReader::decodesItself(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray headers = file.read(14 + 40);
    const auto* bytes = reinterpret_cast<const uchar*>(headers.constData());
    return layoutOf(bytes, headers.size(), file.size()).has_value();
}
