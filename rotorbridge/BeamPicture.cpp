// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BeamPicture.h"

#include "mapfiles/Bmp24File.h"
#include "rotorbridge/PngEncoder.h"


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
    const int width = size.width() / step, height = size.height() / step;
    QByteArray rgb(qsizetype(width) * height * 3, '\0');
    std::vector<uchar> row(size_t(size.width()) * 3);
    for (int y = 0; y < height; ++y) {
        if (!file.readRow(y * step, row.data())) {
            made_ = FileStamp();  // read again at the next request: the file is being written
            return png_;
        }
        char* into = rgb.data() + qsizetype(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            const uchar* pixel = row.data() + size_t(x) * step * 3;  // blue, green, red
            into[3 * x] = char(pixel[2]);
            into[3 * x + 1] = char(pixel[1]);
            into[3 * x + 2] = char(pixel[0]);
        }
    }
    png_ = PngEncoder::encode(width, height, rgb);
    return png_;
}
