// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>

// An RGB picture as a PNG file: 8 bits a channel, no filter, compressed with zlib. Made here so
// that the rotor program, which has no other use for Qt's image classes, need not load them.
class PngEncoder {
public:
    // rgb: height rows of width * 3 bytes, top row first, red first.
    static QByteArray encode(int width, int height, const QByteArray& rgb);
};
