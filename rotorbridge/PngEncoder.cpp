// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/PngEncoder.h"

#include <QtEndian>

#include <array>

namespace {

quint32 crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> made {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            made[n] = c;
        }
        return made;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// Length, type, data and the CRC of type and data.
QByteArray chunk(const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc32(typed));
}

}  // namespace

QByteArray PngEncoder::encode(int width, int height, const QByteArray& rgb)
{
    const int rowBytes = width * 3;
    QByteArray filtered;
    filtered.reserve((rowBytes + 1) * height);
    for (int y = 0; y < height; ++y) {
        filtered.append('\0');  // filter type: none
        filtered.append(rgb.constData() + qsizetype(y) * rowBytes, rowBytes);
    }
    QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height));
    header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, no interlace
    // qCompress puts the length in front of the zlib stream; PNG wants the stream alone.
    const QByteArray zlib = qCompress(filtered, 9).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", zlib) + chunk("IEND", {});
}
