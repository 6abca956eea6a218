// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/Bmp24File.h"

#include <optional>

#include <unistd.h>

namespace {

quint32 get32(const uchar* at)
{
    return quint32(at[0]) | quint32(at[1]) << 8 | quint32(at[2]) << 16 | quint32(at[3]) << 24;
}

quint16 get16(const uchar* at)
{
    return quint16(at[0] | at[1] << 8);
}

struct Layout {
    qint32 width, height;  // pixels
    quint32 offset;        // bytes from the file's start to the bottom row
    qint64 bytesPerRow;    // bytes
};

// Nothing for any other kind of file or one cut short.
std::optional<Layout> layoutOf(const uchar* file, qint64 available, qint64 fileSize)
{
    if (available < Bmp24File::headerBytes || file[0] != 'B' || file[1] != 'M' || get32(file + 14) != 40 ||
        get16(file + 26) != 1 || get16(file + 28) != 24 || get32(file + 30) != 0)
        return std::nullopt;
    const qint32 width = qint32(get32(file + 18)), height = qint32(get32(file + 22));
    const quint32 offset = get32(file + 10);
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || offset < Bmp24File::headerBytes)
        return std::nullopt;
    const qint64 bytesPerRow = ((qint64(width) * 24 + 31) / 32) * 4;
    if (offset + bytesPerRow * height > fileSize)
        return std::nullopt;
    return Layout {width, height, offset, bytesPerRow};
}

}  // namespace

Bmp24File::Bmp24File(const QString& path) : path_(path), file_(path)
{
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    uchar headers[headerBytes];
    const qint64 got = file_.read(reinterpret_cast<char*>(headers), headerBytes);
    const std::optional<Layout> layout = layoutOf(headers, got, file_.size());
    if (!layout)
        return;
    width_ = layout->width;
    height_ = layout->height;
    offset_ = layout->offset;
    bytesPerRow_ = layout->bytesPerRow;
    dotsPerMeterX_ = qint32(get32(headers + 38));
    dotsPerMeterY_ = qint32(get32(headers + 42));
}

bool Bmp24File::readRow(int y, uchar* into) const
{
    // One call per row and no seek: the file is read at any place without changing its position.
    const ssize_t bytes = ssize_t(width_) * 3;
    return isValid() && ::pread(file_.handle(), into, std::size_t(bytes), off_t(rowOffset(y))) == bytes;
}

const uchar* Bmp24File::mapWhole()
{
    // A page beyond the file's end cannot be read: the file must still be as long as its headers say.
    const qint64 size = file_.size();
    if (!isValid() || size < rowOffset(0) + qint64(width_) * 3)
        return nullptr;
    return file_.map(0, size);
}
