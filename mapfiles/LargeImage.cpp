// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/LargeImage.h"

#include <sys/mman.h>

#include <cstdint>

namespace {

constexpr std::size_t hugePage = 2 * 1024 * 1024;  // bytes
constexpr std::size_t worthIt = 4 * hugePage;      // smaller images are ordinary ones, bytes

struct Mapping {
    void* start;
    std::size_t length;  // bytes
};

void unmap(void* info)
{
    const Mapping* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

}  // namespace

QImage LargeImage::rgb32(int width, int height)
{
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(height > 0 ? height : 0);
    if (width <= 0 || height <= 0 || bytes < worthIt)
        return QImage(width, height, QImage::Format_RGB32);
    // One huge page more, so that the pixels can start on a huge-page boundary.
    const std::size_t length = bytes + hugePage;
    void* const start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        return QImage(width, height, QImage::Format_RGB32);
    const std::uintptr_t aligned = (reinterpret_cast<std::uintptr_t>(start) + hugePage - 1) & ~(hugePage - 1);
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    QImage image(reinterpret_cast<uchar*>(aligned), width, height, bytesPerLine, QImage::Format_RGB32, unmap,
                 new Mapping {start, length});
    // The metadata of an ordinary image of the same kind, which a BMP file written from it keeps.
    const QImage ordinary(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(ordinary.dotsPerMeterX());
    image.setDotsPerMeterY(ordinary.dotsPerMeterY());
    return image;
}
