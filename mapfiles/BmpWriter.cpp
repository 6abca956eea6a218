// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/BmpWriter.h"

#include <QIODevice>

#include <algorithm>
#include <vector>

namespace {

constexpr int fileHeaderBytes = 14, infoHeaderBytes = 40;
constexpr int defaultDotsPerMeter = 2834;  // 72 dpi, what Qt writes for a picture without one
constexpr qint64 batchBytes = 256 * 1024;  // rows encoded between two writes

int rowBytes(int width)
{
    return ((width * 24 + 31) / 32) * 4;  // 24 bits a pixel, padded to whole 32-bit words
}

void put16(uchar*& at, quint16 value)
{
    *at++ = uchar(value);
    *at++ = uchar(value >> 8);
}

void put32(uchar*& at, quint32 value)
{
    put16(at, quint16(value));
    put16(at, quint16(value >> 16));
}

}  // namespace

qint64 BmpWriter::fileSize(int width, int height)
{
    return fileHeaderBytes + infoHeaderBytes + qint64(rowBytes(width)) * height;
}

BmpWriter::Outcome BmpWriter::write(const QImage& picture, QIODevice& device, const std::atomic<bool>* abandon)
{
    const QImage rgb =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const int bytesPerRow = rowBytes(width);
    const qint64 imageBytes = qint64(bytesPerRow) * height;

    uchar header[fileHeaderBytes + infoHeaderBytes];
    uchar* at = header;
    *at++ = 'B';
    *at++ = 'M';
    put32(at, quint32(fileSize(width, height)));
    put32(at, 0);  // two reserved words
    put32(at, fileHeaderBytes + infoHeaderBytes);
    put32(at, infoHeaderBytes);
    put32(at, quint32(width));
    put32(at, quint32(height));  // positive: the bottom row comes first
    put16(at, 1);                // planes
    put16(at, 24);               // bits a pixel
    put32(at, 0);                // no compression
    put32(at, quint32(imageBytes));
    put32(at, quint32(rgb.dotsPerMeterX() ? rgb.dotsPerMeterX() : defaultDotsPerMeter));
    put32(at, quint32(rgb.dotsPerMeterY() ? rgb.dotsPerMeterY() : defaultDotsPerMeter));
    put32(at, 0);  // colours used
    put32(at, 0);  // colours important
    if (device.write(reinterpret_cast<const char*>(header), sizeof header) != qint64(sizeof header))
        return Outcome::failed;

    const int rowsPerBatch = int(std::max<qint64>(1, batchBytes / std::max(1, bytesPerRow)));
    std::vector<uchar> batch(std::size_t(bytesPerRow) * std::size_t(std::min(rowsPerBatch, std::max(1, height))), 0);
    for (int y = height - 1; y >= 0;) {
        if (abandon && abandon->load(std::memory_order_relaxed))
            return Outcome::abandoned;
        uchar* row = batch.data();
        int rows = 0;
        for (; rows < rowsPerBatch && y >= 0; ++rows, --y, row += bytesPerRow) {
            const QRgb* pixel = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            uchar* out = row;
            for (int x = 0; x < width; ++x, ++pixel) {
                *out++ = uchar(qBlue(*pixel));
                *out++ = uchar(qGreen(*pixel));
                *out++ = uchar(qRed(*pixel));
            }
        }
        const qint64 bytes = qint64(rows) * bytesPerRow;
        if (device.write(reinterpret_cast<const char*>(batch.data()), bytes) != bytes)
            return Outcome::failed;
    }
    return Outcome::written;
}
