// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QFile>
#include <QSize>
#include <QString>
#include <QtGlobal>

// An uncompressed 24-bit BMP file with its bottom row first, all its rows there, mapped into
// memory so that its rows can be used as they lie in the file: pixels are read where they are
// needed instead of the whole file being decoded first. Any other kind of file is not valid here.
class MappedBmp {
public:
    explicit MappedBmp(const QString& path);
    ~MappedBmp();
    MappedBmp(const MappedBmp&) = delete;
    MappedBmp& operator=(const MappedBmp&) = delete;

    bool isValid() const { return pixels_ != nullptr; }
    const QString& path() const { return path_; }
    QSize size() const { return {width_, height_}; }
    // The resolution the file gives, dots per metre horizontally and vertically.
    qint32 dotsPerMeterX() const { return dotsPerMeterX_; }
    qint32 dotsPerMeterY() const { return dotsPerMeterY_; }
    // Image row y (0 at the top) as blue, green, red bytes per pixel.
    const uchar* row(int y) const { return pixels_ + bytesPerRow_ * (height_ - 1 - y); }

    // True when the file's first bytes (available of them, at least the headers) describe such a
    // file of fileSize bytes.
    static bool describesOne(const uchar* headers, qint64 available, qint64 fileSize);
    static constexpr int headerBytes = 14 + 40;  // file header and the Windows info header

private:
    QString path_;
    QFile file_;
    uchar* mapped_ = nullptr;
    const uchar* pixels_ = nullptr;  // the bottom row
    qint32 width_ = 0, height_ = 0;  // pixels
    qint64 bytesPerRow_ = 0;         // bytes, rounded up to whole 32-bit words
    qint32 dotsPerMeterX_ = 0, dotsPerMeterY_ = 0;
};
