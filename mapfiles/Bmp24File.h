// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QFile>
#include <QSize>
#include <QString>
#include <QtGlobal>

// An uncompressed 24-bit BMP file with its bottom row first, all its rows there, whose rows are
// used as they lie in the file: read one at a time where only some pixels are needed, or mapped
// whole for a decoding. Any other kind of file is not valid here.
class Bmp24File {
public:
    // Reads only the headers.
    explicit Bmp24File(const QString& path);

    bool isValid() const { return width_ > 0; }
    const QString& path() const { return path_; }
    QSize size() const { return {width_, height_}; }
    // The resolution the file gives, dots per metre horizontally and vertically.
    qint32 dotsPerMeterX() const { return dotsPerMeterX_; }
    qint32 dotsPerMeterY() const { return dotsPerMeterY_; }
    // Bytes from the file's start to image row y (0 at the top): blue, green, red per pixel.
    qint64 rowOffset(int y) const { return offset_ + bytesPerRow_ * (height_ - 1 - y); }
    // Reads image row y into width * 3 bytes; false when the file no longer holds it.
    bool readRow(int y, uchar* into) const;
    // The whole file mapped, for reading rows at rowOffset(); null when it no longer holds all its
    // rows. The mapping lasts as long as this object.
    const uchar* mapWhole();

    static constexpr int headerBytes = 14 + 40;  // file header and the Windows info header

private:
    QString path_;
    QFile file_;
    qint32 width_ = 0, height_ = 0;  // pixels
    qint64 offset_ = 0;              // bytes from the file's start to the bottom row
    qint64 bytesPerRow_ = 0;         // bytes, rounded up to whole 32-bit words
    qint32 dotsPerMeterX_ = 0, dotsPerMeterY_ = 0;
};
