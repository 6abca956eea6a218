// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>

// RGB32 images of many megabytes (maps, beam bitmaps) in memory that comes in huge pages where
// the system offers them: the first touch of 25 MB in small pages costs tens of milliseconds on a
// virtual machine, in huge pages a fraction of that. Small images are ordinary ones.
class LargeImage {
public:
    // Uninitialised pixels, like QImage(width, height, QImage::Format_RGB32), with the same
    // metadata (dots per metre) as such an image.
    static QImage rgb32(int width, int height);
};
