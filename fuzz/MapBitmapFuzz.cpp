// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The bitmap of a map beside a valid calibration file. Property: a map that is taken has a
// bitmap of at least one pixel in the drawing format; anything else is an AppError.
#include "FuzzCheck.h"
#include "FuzzFolder.h"

#include "base/AppError.h"
#include "mapfiles/DecodedBitmaps.h"
#include "mapfiles/MapCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFolder& folder = FuzzFolder::instance();
    folder.write(QStringLiteral("Karte.inf"), "72.00N 25.50W\r\n34.00N 45.00E\r\n");
    folder.write(QStringLiteral("Karte.bmp"), QByteArray(reinterpret_cast<const char*>(data), int(size)));
    try {
        DecodedBitmaps bitmaps;  // fresh: a new input of the same size may carry the same time
        const auto map = MapCatalogue::read(bitmaps, folder.folder(), QStringLiteral("Karte"));
        FUZZ_CHECK(map.has_value());
        FUZZ_CHECK(!map->bitmap.isNull() && map->bitmap.width() > 0 && map->bitmap.height() > 0);
        FUZZ_CHECK(map->bitmap.format() == QImage::Format_RGB32);
    } catch (const AppError&) {
    }
    return 0;
}
