// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BeamPicture.h"

#include "mapfiles/Bmp24File.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <utility>
#include <vector>

BeamPicture::BeamPicture(QString bitmapPath) : path_(std::move(bitmapPath))
{
}

QByteArray BeamPicture::png()
{
    const FileStamp now = FileStamp::of(path_);
    if (now == made_)
        return png_;
    made_ = now;
    png_.clear();
    const Bmp24File file(path_);
    if (!file.isValid())
        return png_;
    // Every n-th pixel of every n-th row: the map's lines stay as sharp as the picture's size allows.
    const QSize size = file.size();
    const int step = std::max(1, (std::max(size.width(), size.height()) + side - 1) / side);
    QImage picture(size.width() / step, size.height() / step, QImage::Format_RGB32);
    std::vector<uchar> row(size_t(size.width()) * 3);
    for (int y = 0; y < picture.height(); ++y) {
        if (!file.readRow(y * step, row.data())) {
            made_ = FileStamp();  // read again at the next request: the file is being written
            return png_;
        }
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const uchar* pixel = row.data() + size_t(x) * step * 3;
            line[x] = qRgb(pixel[2], pixel[1], pixel[0]);
        }
    }
    QBuffer buffer(&png_);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png_;
}
