// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/StretchSampling.h"

#include "mapfiles/Bmp24File.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// One axis of the drawing, horizontal or vertical: lengths and starts in pixels.
struct Axis {
    int surface, clipStart, clipLength, targetStart, targetLength, image, sourceStart, sourceLength;
};

// Draws an image that is `axis.image` pixels long on the axis and one across, each pixel holding
// its index + 1, with the axis's geometry; across, one pixel is stretched over two, so that the
// drawing takes the stretching path whatever the axis does. The surface keeps 0 where nothing
// is drawn.
std::vector<int> probe(const Axis& axis, bool horizontal)
{
    const auto oriented = [horizontal](int along, int across) {
        return horizontal ? QSize(along, across) : QSize(across, along);
    };
    const auto rect = [horizontal](int start, int length, int across) {
        return horizontal ? QRect(start, 0, length, across) : QRect(0, start, across, length);
    };
    QImage index(oriented(axis.image, 1), QImage::Format_RGB32);
    for (int i = 0; i < axis.image; ++i)
        index.setPixel(horizontal ? i : 0, horizontal ? 0 : i, QRgb(i + 1));
    QImage surface(oriented(axis.surface, 2), QImage::Format_RGB32);
    surface.fill(0u);
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setClipRect(rect(axis.clipStart, axis.clipLength, 2));
        painter.drawImage(rect(axis.targetStart, axis.targetLength, 2), index,
                          rect(axis.sourceStart, axis.sourceLength, 1));
    }
    std::vector<int> shown(std::size_t(std::max(axis.surface, 0)));
    for (int i = 0; i < axis.surface; ++i)
        shown[std::size_t(i)] = int(surface.pixel(horizontal ? i : 0, horizontal ? 0 : i) & 0xFFFFFFu) - 1;
    return shown;
}

}  // namespace

StretchSampling::StretchSampling(QSize surfaceSize, const QRect& clip, const QRect& target, QSize imageSize,
                                 const QRect& source)
    : columns_(probe({surfaceSize.width(), clip.x(), clip.width(), target.x(), target.width(), imageSize.width(),
                      source.x(), source.width()},
                     true)),
      rows_(probe({surfaceSize.height(), clip.y(), clip.height(), target.y(), target.height(), imageSize.height(),
                   source.y(), source.height()},
                  false))
{
}

void StretchSampling::copyShown(const Bmp24File& file, const QRect& source, QImage& surface, const QRect& shown)
{
    const qreal ratio = surface.devicePixelRatio();
    const QPoint topLeft(int(std::floor(shown.left() * ratio)), int(std::floor(shown.top() * ratio)));
    const QPoint end(int(std::ceil((shown.left() + shown.width()) * ratio)),
                     int(std::ceil((shown.top() + shown.height()) * ratio)));
    const QRect device(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
    StretchSampling(surface.size(), device, device, file.size(), source).copyFrom(file, surface);
}

void StretchSampling::copyFrom(const Bmp24File& file, QImage& surface) const
{
    std::vector<std::pair<int, int>> columns;  // surface column, byte of the file column in a row
    for (int x = 0; x < int(columns_.size()); ++x)
        if (columns_[std::size_t(x)] >= 0)
            columns.emplace_back(x, columns_[std::size_t(x)] * 3);
    // Each row is read once, into the same buffer: reading costs less than touching the pages of a
    // mapping, and a file cut short since its headers were read only leaves rows as they were.
    std::vector<uchar> bytes(std::size_t(file.size().width()) * 3);
    int held = -1;  // the file row in bytes
    for (int y = 0; y < int(rows_.size()); ++y) {
        const int row = rows_[std::size_t(y)];
        if (row < 0)
            continue;
        if (row != held) {
            held = file.readRow(row, bytes.data()) ? row : -1;
            if (held < 0)
                continue;
        }
        const uchar* const in = bytes.data();
        QRgb* const out = reinterpret_cast<QRgb*>(surface.scanLine(y));
        for (const auto& [x, byte] : columns)
            out[x] = qRgb(in[byte + 2], in[byte + 1], in[byte]);
    }
}
