// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>
#include <QString>

// Reads a BMP file into an RGB32 image. The common case, an uncompressed 24-bit file with its
// bottom row first (every map and the beam bitmap), is decoded here in one pass over the file's
// mapped rows (Bmp24File); every other kind is left to Qt's reader. The pixels are those Qt's reader gives.
class BmpReader {
public:
    // A null image when the file cannot be read. A file Bmp24File takes (the common case) is
    // decoded here.
    static QImage read(const QString& path);
};
